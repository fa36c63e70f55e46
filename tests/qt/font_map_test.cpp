// The title list and the statement align columns with blanks: their faces
// must resolve to fixed-pitch fonts.
#include <gtest/gtest.h>

#include <QApplication>
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

// The screens draw their texts in the design face alone: every character
// the system's text can hold must be in the face, but for those
// needs_other_faces names.
TEST(FontCoverageTest, EveryCharacterOfTheSystemsTextIsInEachFaceOrNamed) {
    for (const char* face : {"ＭＳ Ｐゴシック", "ＭＳ ゴシック", "ＭＳ Ｐ明朝", "ＭＳ 明朝"}) {
        SCOPED_TRACE(face);
        const QFontMetrics m(design_font(ui::Font{rt::to_sjis(face), 14}, 1.0));
        int lacking = 0;
        auto check = [&](const std::string& sjis) {
            const QString text = QString::fromStdString(rt::to_utf8(sjis));
            if (text.size() != 1 && !(text.size() == 2 && text[0].isHighSurrogate())) return;
            const char32_t c = text.size() == 1 ? text[0].unicode() : QChar::surrogateToUcs4(text[0], text[1]);
            // Unassigned codes come out as the replacement character.
            if (c == 0xFFFD || m.inFontUcs4(c) || needs_other_faces(sjis)) return;
            if (++lacking <= 5) ADD_FAILURE() << "U+" << std::hex << unsigned(c);
        };
        for (int b = 0x20; b < 0x7F; ++b) check(std::string(1, char(b)));
        for (int b = 0xA1; b < 0xE0; ++b) check(std::string(1, char(b)));
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!rt::is_lead_byte(static_cast<unsigned char>(lead))) continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail)
                if (trail != 0x7F) check(std::string{char(lead), char(trail)});
        }
        EXPECT_EQ(lacking, 0);
    }
}

TEST(FontCoverageTest, OnlyTheLackingCharactersAskForOtherFaces) {
    const struct {
        const char* what;
        std::string sjis;
        bool other_faces;
    } cases[] = {
        {"ordinary text", rt::to_sjis("ドラゴン全集 第１巻 ABC"), false},
        {"empty", "", false},
        {"the summation sign", rt::to_sjis("数学∑入門"), true},
        {"a user-defined character", "A\xF0\x40", true},
        {"the last user-defined lead byte", "\xF9\xFC", true},
        {"0x87 0x94 across two characters", "\x81\x87\x94\x40", false},
        {"a lone lead byte at the end", "A\x87", false},
        {"IBM extension kanji", "\xFA\x40\xFC\x4B", false},
    };
    for (const auto& c : cases) EXPECT_EQ(needs_other_faces(c.sjis), c.other_faces) << c.what;
}

TEST(FontCoverageTest, DesignFontsAloneUnlessOtherFacesAreAskedFor) {
    const ui::Font face{rt::to_sjis("ＭＳ Ｐゴシック"), 14};
    EXPECT_TRUE(design_font(face, 1.0).styleStrategy() & QFont::NoFontMerging);
    EXPECT_FALSE(design_font(face, 1.0, true).styleStrategy() & QFont::NoFontMerging);
    // Not taken from the application's font, which draws in its face alone.
    EXPECT_TRUE(design_font(face, 1.0, true).resolveMask() & QFont::StyleStrategyResolved);
    EXPECT_TRUE(QApplication::font().styleStrategy() & QFont::NoFontMerging);
    EXPECT_EQ(design_font(face, 1.0).hintingPreference(), QFont::PreferNoHinting);
}

TEST(FontScaleTest, CharacterHeightIsScaledAndNeverZero) {
    EXPECT_EQ(design_font(ui::Font{"", 22}, 1.25).pixelSize(), 28);
    EXPECT_EQ(design_font(ui::Font{"", 0}, 1.0).pixelSize(), 1);
}

}  // namespace
}  // namespace scanfee::qtview
