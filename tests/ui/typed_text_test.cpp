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

TEST(TypedText, TheNoticeNamesTheCharactersInJapanese) {
    EXPECT_EQ(refusal_notice({"ë", "𠮷"}), "「ë」「𠮷」は使えない文字です");
    EXPECT_EQ(refusal_notice({"タブ"}), "「タブ」は使えない文字です");
    EXPECT_EQ(limit_notice(false, 10), "この欄には半角10文字（全角5文字）までしか入りません");
    EXPECT_EQ(limit_notice(true, 6), "この欄には6桁までしか入りません");
}

}  // namespace
}  // namespace scanfee::ui
