#include "qt/dialog_look.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFont>
#include <QIcon>
#include <QWidget>

#include "qt/font_map.h"
#include "qt/screen_view.h"
#include "runtime/sjis.h"

namespace scanfee::qtview {

QFont screen_text_font(bool other_faces) {
    return design_font(ui::Font{rt::to_sjis("ＭＳ Ｐゴシック"), 14}, screen_scale(), other_faces);
}

void apply_dialog_look(QWidget& dialog) {
    dialog.setFont(screen_text_font());
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        for (QAbstractButton* button : box->buttons()) button->setIcon(QIcon());
}

}  // namespace scanfee::qtview
