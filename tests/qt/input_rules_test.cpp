// Nothing typed or pasted is dropped without a word: a character Shift-JIS
// cannot hold is named beside its box and every other character goes in.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>

#include "qt/refusal_notice.h"
#include "qt/view_fixture.h"
#include "runtime/sjis.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

class InputRulesTest : public ViewTest {
protected:
    QLineEdit* edit(const char* name) { return line_edit(name); }

    void paste(QLineEdit* target, const QString& text) {
        QApplication::clipboard()->setText(text);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }

    QString notice(const char* form) {
        auto* label = qobject_cast<QLabel*>(shown_refusal_notice(*view_->widget(form)));
        return label ? label->text() : QString();
    }
};

TEST_F(InputRulesTest, ThePastedCharactersThatFitGoInAndTheOthersAreNamed) {
    start();
    click("BUTTON5");
    control("LIST1").set_selected(0);
    view_->dispatcher().act(control("LIST1"), [](ui::Control& c) { return c.name() + "_CLICK"; });
    ASSERT_TRUE(view_->widget("FORM3")->isVisible());

    paste(edit("EDIT1"), QString::fromUtf8("Café"));
    EXPECT_EQ(edit("EDIT1")->text(), "Caf");
    EXPECT_EQ(control("EDIT1").text(), "Caf");
    EXPECT_EQ(notice("FORM3"), QString::fromUtf8("「é」は使えない文字です"));

    // A tab or line break pasted with a title is left out and named too.
    edit("EDIT1")->clear();
    paste(edit("EDIT1"), QString::fromUtf8("A\tB"));
    EXPECT_EQ(control("EDIT1").text(), "AB");
    EXPECT_EQ(notice("FORM3"), QString::fromUtf8("「タブ」は使えない文字です"));
}

TEST_F(InputRulesTest, TheNameBoxShowsExactlyWhatIsStored) {
    start(EDITION_SHOP);
    commit(edit("EDIT7"), QString::fromUtf8("Zoë 𠮷田①♥ 様"));
    EXPECT_EQ(control("EDIT7").text(), "Zo 田① 様"_sj);
    EXPECT_EQ(edit("EDIT7")->text(), QString::fromUtf8("Zo 田① 様"));
    EXPECT_EQ(notice("MAINFORM"), QString::fromUtf8("「ë」「𠮷」「♥」は使えない文字です"));

    // The cursor stays where the user typed: after "Zo".
    edit("EDIT7")->setCursorPosition(2);
    commit(edit("EDIT7"), QString::fromUtf8("ë"));
    EXPECT_EQ(edit("EDIT7")->cursorPosition(), 2);
    commit(edit("EDIT7"), QString::fromUtf8("e"));
    EXPECT_EQ(control("EDIT7").text(), "Zoe 田① 様"_sj);
}

TEST_F(InputRulesTest, TheCouponBoxNamesWhatItCannotHoldAndKeepsItsLimit) {
    start();
    commit(edit("COMBO1"), QString::fromUtf8("16123100ＡＢ€"));
    EXPECT_EQ(control("COMBO1").text(), "16123100Ａ"_sj);
    EXPECT_EQ(notice("MAINFORM"),
              QString::fromUtf8("「€」は使えない文字です\n"
                                "この欄には半角10文字（全角5文字）までしか入りません"));
    // A keystroke beyond the limit is refused with the same word.
    edit("COMBO1")->end(false);
    QTest::keyClick(edit("COMBO1"), Qt::Key_1);
    EXPECT_EQ(control("COMBO1").text(), "16123100Ａ"_sj);
}

TEST_F(InputRulesTest, TextThatFitsRaisesNoNotice) {
    start(EDITION_SHOP);
    commit(edit("EDIT7"), QString::fromUtf8("山田　太郎〜①"));
    EXPECT_EQ(notice("MAINFORM"), QString());
    // The wave dash an input method commits is stored as CP932 holds it.
    EXPECT_EQ(control("EDIT7").text(), "山田　太郎～①"_sj);
}

}  // namespace
}  // namespace scanfee::qtview::testing
