// The edit boxes refuse what the model would refuse, while the user types.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>

#include "qt/refusal_notice.h"
#include "qt/view_fixture.h"
#include "runtime/sjis.h"
#include "typing.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

class LimitsTest : public ViewTest {
protected:
    void SetUp() override { start(EDITION_SHOP); }

    QLineEdit* edit(const char* name) { return line_edit(name); }
};

TEST_F(LimitsTest, DigitsOnlyBoxRefusesLettersAndASeventhDigit) {
    record("EDIT4_CHANGE");
    QTest::keyClicks(edit("EDIT4"), "12a3b4567");
    EXPECT_EQ(edit("EDIT4")->text(), "123456");
    EXPECT_EQ(control("EDIT4").text(), "123456");
    // Every accepted keystroke is one change; refused ones raise nothing.
    EXPECT_EQ(raised_.size(), 6u);
}

TEST_F(LimitsTest, DigitsOnlyBoxesKeepTheirOwnLengths) {
    struct Case {
        const char* name;
        const char* typed;
        const char* kept;
    };
    control("FORM3").show();
    for (const Case& c : {Case{"EDIT5", "1234567", "12345"}, Case{"EDIT2", "123456", "12345"},
                          Case{"EDIT3", "1234", "123"}}) {
        SCOPED_TRACE(c.name);
        record(std::string(c.name) + "_CHANGE");
        QTest::keyClicks(edit(c.name), c.typed);
        EXPECT_EQ(control(c.name).text(), c.kept);
    }
}

TEST_F(LimitsTest, DigitsOnlyBoxTakesFullWidthDigitsFromTheInputMethod) {
    commit(edit("EDIT4"), QString::fromUtf8("１２"));
    EXPECT_EQ(edit("EDIT4")->text(), "12");
    EXPECT_EQ(control("EDIT4").text(), "12");
    EXPECT_EQ(shown_refusal_notice(*view_->widget("MAINFORM")), nullptr);
    // Six digits in all, whichever width they were typed in: what goes
    // beyond is cut, and the box says so.
    commit(edit("EDIT4"), QString::fromUtf8("３4５６７"));
    EXPECT_EQ(edit("EDIT4")->text(), "123456");
    EXPECT_EQ(control("EDIT4").text(), "123456");
    auto* notice = qobject_cast<QLabel*>(shown_refusal_notice(*view_->widget("MAINFORM")));
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), QString::fromUtf8("この欄には6桁までしか入りません"));
}

TEST_F(LimitsTest, CouponBoxHoldsTenBytesOfCp932) {
    record("COMBO1_CHANGE");
    QTest::keyClicks(edit("COMBO1"), "12345678901");
    EXPECT_EQ(control("COMBO1").text(), "1234567890");
    edit("COMBO1")->clear();
    // A coupon typed with the input method on: its digits are digits.
    commit(edit("COMBO1"), QString::fromUtf8("１６１２３１００４２"));
    EXPECT_EQ(edit("COMBO1")->text(), "1612310042");
    EXPECT_EQ(control("COMBO1").text(), "1612310042");
    edit("COMBO1")->clear();
    // Full-width letters are two bytes each: five of them fill the box.
    type_text(edit("COMBO1"), QString::fromUtf8("ＡＢＣＤＥＦ"));
    EXPECT_EQ(edit("COMBO1")->text(), QString::fromUtf8("ＡＢＣＤＥ"));
    EXPECT_EQ(control("COMBO1").text(), "ＡＢＣＤＥ"_sj);
}

TEST_F(LimitsTest, InputMethodIsOffWhereTheBoxSaysSo) {
    EXPECT_FALSE(edit("EDIT4")->inputMethodQuery(Qt::ImEnabled).toBool());
    EXPECT_FALSE(edit("EDIT5")->inputMethodQuery(Qt::ImEnabled).toBool());
    // The combo box takes the focus for its edit field and answers for it.
    EXPECT_FALSE(view_->widget("COMBO1")->inputMethodQuery(Qt::ImEnabled).toBool());
    EXPECT_TRUE(edit("EDIT7")->inputMethodQuery(Qt::ImEnabled).toBool());
    EXPECT_TRUE(edit("EDIT1")->inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(LimitsTest, InputMethodStateFollowsAModelChange) {
    control("EDIT7").set_ime(ui::Ime::Off);
    EXPECT_FALSE(edit("EDIT7")->inputMethodQuery(Qt::ImEnabled).toBool());
    control("EDIT4").set_ime(ui::Ime::On);
    EXPECT_TRUE(edit("EDIT4")->inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(LimitsTest, WaveDashFromTheInputMethodIsKeptAsTypedAndHeldInCp932) {
    commit(edit("EDIT7"), QString::fromUtf8("あ〜い"));
    EXPECT_EQ(control("EDIT7").text(), "\x82\xa0\x81\x60\x82\xa2");
    // The box is not rewritten under the user's cursor.
    EXPECT_EQ(edit("EDIT7")->text(), QString::fromUtf8("あ〜い"));
    EXPECT_EQ(edit("EDIT7")->cursorPosition(), 3);
}

TEST_F(LimitsTest, CharactersOutsideCp932AreRefused) {
    QTest::keyClicks(edit("EDIT7"), "a");
    commit(edit("EDIT7"), QString::fromUtf8("\U0001F600"));
    commit(edit("EDIT7"), QString::fromUtf8("한"));
    EXPECT_EQ(edit("EDIT7")->text(), "a");
    EXPECT_EQ(control("EDIT7").text(), "a");
}

TEST_F(LimitsTest, ATypedQuestionMarkIsNoUnknownCharacter) {
    QTest::keyClicks(edit("EDIT7"), "a?b");
    EXPECT_EQ(control("EDIT7").text(), "a?b");
}

}  // namespace
}  // namespace scanfee::qtview::testing
