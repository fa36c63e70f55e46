#include "qt/dialog_look.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QIcon>
#include <QWidget>

#include "qt/font_map.h"

namespace scanfee::qtview {

void apply_dialog_look(QWidget& dialog) {
    // Dialogs show file names, which may hold any character.
    dialog.setFont(screen_text_font(true));
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
        for (QAbstractButton* button : box->buttons()) button->setIcon(QIcon());
}

}  // namespace scanfee::qtview
