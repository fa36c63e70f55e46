#include "ui/typed_text.h"

#include <gtest/gtest.h>

#include "runtime/sjis.h"

namespace scanfee::ui {
namespace {

TEST(TypedText, KeepsWhatShiftJisHoldsAndNamesEveryOtherCharacterOnce) {
    struct Case {
        const char* typed;
        const char* kept;
        std::vector<std::string> refused;
    };
    const Case cases[] = {
        {"Zoë 𠮷田①♥ 様", "Zo 田① 様", {"ë", "𠮷", "♥"}},
        {"Café", "Caf", {"é"}},
        {"éé€é", "", {"é", "€"}},
        {"山田〜太郎", "山田〜太郎", {}},  // the wave dash has a CP932 form
        {"A\tB\r\nC\x7f", "ABC", {"タブ", "改行", "制御文字"}},
        {"ｱｲｳ ＡＢＣ ¥", "ｱｲｳ ＡＢＣ ¥", {}},
        {"", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TypedText typed = take_typed(c.typed);
        EXPECT_EQ(typed.text, rt::to_sjis(c.kept));
        EXPECT_EQ(typed.refused, c.refused);
    }
}

TEST(TypedText, AStrayByteIsNamedNotPassedOn) {
    TypedText typed = take_typed("a\xff" "b");
    EXPECT_EQ(typed.text, "ab");
    EXPECT_EQ(typed.refused, std::vector<std::string>{"不正なバイト"});
}

TEST(TypedText, AnEditOverTheLimitCutsWhatItInsertedAndKeepsTheRest) {
    using rt::literals::operator""_sj;
    struct Case {
        std::string before, after;
        std::size_t max;
        std::optional<std::string> kept;
        std::size_t caret;
    };
    const Case cases[] = {
        {"12345", "912345", 5, std::nullopt, 0},                // a key at the start of a full box
        {"12", "1abcdef2", 5, "1abc2", 4},                       // a paste in the middle, cut
        {"AB"_sj, "A山田太郎B"_sj, 6, "A山田B"_sj, 5},          // cut between characters
        {"AB"_sj, "A山田太郎B"_sj, 5, "A山B"_sj, 3},            // never half a character
        {"12345", "1x45", 5, "1x45", 2},                         // a shorter text stands
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rt::to_utf8(c.after));
        std::size_t caret = 99;
        EXPECT_EQ(fit_edit(c.before, c.after, c.max, &caret), c.kept);
        if (c.kept) {
            EXPECT_EQ(caret, c.caret);
        }
    }
    EXPECT_EQ(typed_digit("7"), '7');
    EXPECT_EQ(typed_digit("７"_sj), '7');
    EXPECT_EQ(typed_digit("a"), std::nullopt);
    EXPECT_EQ(typed_digit("Ａ"_sj), std::nullopt);
}

TEST(TypedText, TheNoticeNamesTheCharactersInJapanese) {
    EXPECT_EQ(refusal_notice({"ë", "𠮷"}), "「ë」「𠮷」は使えない文字です");
    EXPECT_EQ(refusal_notice({"タブ"}), "「タブ」は使えない文字です");
    EXPECT_EQ(limit_notice(false, 10), "この欄には半角10文字（全角5文字）までしか入りません");
    EXPECT_EQ(limit_notice(true, 6), "この欄には6桁までしか入りません");
}

}  // namespace
}  // namespace scanfee::ui
