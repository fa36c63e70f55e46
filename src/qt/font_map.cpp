#include "qt/font_map.h"

#include <QApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "qt/screen_view.h"
#include "qt/qt_text.h"
#include "runtime/sjis.h"

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

QFont design_font(const ui::Font& font, double scale, bool other_faces) {
    QFont qfont(to_qt(font.face));
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * scale))));
    // Unhinted outlines: at the screens' sizes the faces look the same, and
    // the auto-hinter's analysis of every glyph of a Japanese face was the
    // greater part of laying out and painting a screen.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    // Set either way: a font that leaves it unset takes its parent's.
    qfont.setStyleStrategy(other_faces ? QFont::PreferDefault : QFont::NoFontMerging);
    return qfont;
}

QFont screen_text_font(bool other_faces) {
    return design_font(ui::Font{rt::to_sjis("ＭＳ Ｐゴシック"), 14}, screen_scale(), other_faces);
}

void install_program_fonts() {
    install_font_substitutions();
    // The screens' ordinary face and size: every text box is laid out in it
    // when made, before its own font comes, and no other font is loaded.
    QApplication::setFont(screen_text_font(false));
}

bool needs_other_faces(std::string_view sjis) {
    for (size_t i = 0; i < sjis.size(); ++i) {
        const auto lead = static_cast<unsigned char>(sjis[i]);
        if (!rt::is_lead_byte(lead) || i + 1 == sjis.size()) continue;
        const auto trail = static_cast<unsigned char>(sjis[i + 1]);
        if ((lead == 0x87 && trail == 0x94) || (lead >= 0xF0 && lead <= 0xF9)) return true;
        ++i;
    }
    return false;
}

}  // namespace scanfee::qtview
