#include "qt/font_map.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "qt/qt_text.h"

namespace scanfee::qtview {

void install_font_substitutions() {
    const struct {
        const char* full_width;
        const char* ascii;
        const char* installed;
    } faces[] = {
        {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic"},
        {"ＭＳ ゴシック", "MS Gothic", "IPAGothic"},
        {"ＭＳ Ｐ明朝", "MS PMincho", "IPAPMincho"},
        {"ＭＳ 明朝", "MS Mincho", "IPAMincho"},
    };
    for (const auto& f : faces) {
        const QStringList to{QString::fromUtf8(f.installed)};
        QFont::insertSubstitutions(QString::fromUtf8(f.full_width), to);
        QFont::insertSubstitutions(QString::fromUtf8(f.ascii), to);
    }
}

QFont design_font(const ui::Font& font, double scale) {
    QFont qfont(to_qt(font.face));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * scale))));
    return qfont;
}

}  // namespace scanfee::qtview
