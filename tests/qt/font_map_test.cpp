// The title list and the statement align columns with blanks: their faces
// must resolve to fixed-pitch fonts.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <ostream>

#include "qt/font_map.h"
#include "runtime/sjis.h"

namespace scanfee::qtview {
namespace {

struct FaceCase {
    const char* face;
    const char* installed;
    bool fixed_pitch;
};

void PrintTo(const FaceCase& c, std::ostream* out) { *out << c.face; }

class FontMapTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FontMapTest, DesignFaceResolvesToItsInstalledFace) {
    const FaceCase& c = GetParam();
    const QFont font = design_font(ui::Font{rt::to_sjis(c.face), 14}, 1.0);
    EXPECT_EQ(QFontInfo(font).family().toStdString(), c.installed);
    EXPECT_EQ(font.pixelSize(), 14);
    const QFontMetrics m(font);
    const int a = m.horizontalAdvance(QStringLiteral("A"));
    const int kana = m.horizontalAdvance(QString::fromUtf8("あ"));
    const int i = m.horizontalAdvance(QStringLiteral("i"));
    const int w = m.horizontalAdvance(QStringLiteral("W"));
    if (c.fixed_pitch) {
        EXPECT_EQ(a * 2, kana);
        EXPECT_EQ(i, w);
    } else {
        EXPECT_NE(i, w);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faces, FontMapTest,
    ::testing::Values(FaceCase{"ＭＳ ゴシック", "IPAGothic", true},
                      FaceCase{"MS Gothic", "IPAGothic", true},
                      FaceCase{"ＭＳ 明朝", "IPAMincho", true},
                      FaceCase{"MS Mincho", "IPAMincho", true},
                      FaceCase{"ＭＳ Ｐゴシック", "IPAPGothic", false},
                      FaceCase{"MS PGothic", "IPAPGothic", false}));

TEST(FontScaleTest, CharacterHeightIsScaledAndNeverZero) {
    EXPECT_EQ(design_font(ui::Font{"", 22}, 1.25).pixelSize(), 28);
    EXPECT_EQ(design_font(ui::Font{"", 0}, 1.0).pixelSize(), 1);
}

}  // namespace
}  // namespace scanfee::qtview
