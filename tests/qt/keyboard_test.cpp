// A whole order entered with the keyboard alone: Tab, Space, Enter, Esc, the
// arrow and page keys.
#include <QAbstractButton>
#include <QListWidget>
#include <QScrollBar>

#include "core/order_state.h"
#include "keyboard.h"
#include "qt/view_fixture.h"
#include "runtime/sjis.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

// What one comic title left in the order.
struct TitleState {
    std::string title;
    int work, opt_edit, opt_single, opt_trim, opt_nomoire, dpi;
    float title_total;
    int titles;
    float grand_total;
    bool operator==(const TitleState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TitleState& s) {
    return out << s.title << " work " << s.work << " options " << s.opt_edit << s.opt_single
               << s.opt_trim << s.opt_nomoire << " dpi " << s.dpi << " total " << s.title_total
               << " titles " << s.titles << " grand " << s.grand_total;
}

TitleState first_comic() {
    const OrderState& o = order();
    return {o.TITLE(0, CAT_COMICS),     o.WORK(0, CAT_COMICS),        o.OPT_EDIT(0, CAT_COMICS),
            o.OPT_SINGLE(0, CAT_COMICS), o.OPT_TRIM(0, CAT_COMICS),   o.OPT_NOMOIRE(0, CAT_COMICS),
            o.DPI(0, CAT_COMICS),        o.TITLE_TOTAL(0, CAT_COMICS), o.TITLECOUNT(CAT_COMICS),
            o.GRAND_TOTAL};
}

class KeyboardTest : public ViewTest {
protected:
    QWidget* window(const char* form) { return view_->widget(form); }
    void keys(const char* form, std::initializer_list<Qt::Key> keys) {
        for (Qt::Key k : keys) press(window(form), k);
    }
};

TEST_F(KeyboardTest, AComicEnteredWithKeysAloneIsTheSameAsWithTheMouse) {
    start();
    press(window("MAINFORM"), Qt::Key_Return);  // コミックの申込資料作成
    ASSERT_TRUE(window("FORM2")->isVisible());
    EXPECT_EQ(focus_name(window("FORM2")), "LIST1");
    press(window("FORM2"), Qt::Key_Space);  // タイトルを追加
    ASSERT_TRUE(window("FORM3")->isVisible());
    const std::string amount = control("TEXT38").text();

    // Spaces are part of the title, never a click on a button.
    QTest::keyClicks(window("FORM3")->focusWidget(), "ONE PIECE 1");
    EXPECT_EQ(control("EDIT1").text(), "ONE PIECE 1");
    EXPECT_EQ(order().WORK(0, CAT_COMICS), 3);
    EXPECT_EQ(control("TEXT38").text(), amount);
    EXPECT_TRUE(window("FORM3")->isVisible());

    keys("FORM3", {Qt::Key_Tab, Qt::Key_Tab});  // the work group, then 目次の作品別に編集
    EXPECT_EQ(focus_name(window("FORM3")), "CHECK1");
    keys("FORM3", {Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space});  // and トリミングする
    keys("FORM3", {Qt::Key_Tab, Qt::Key_Tab});
    ASSERT_EQ(focus_name(window("FORM3")), "HSCROLL1");
    keys("FORM3", {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left,
                   Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageDown});
    EXPECT_EQ(control("HSCROLL1").pos(), 156 + 3 + 10);
    EXPECT_EQ(widget<QScrollBar>("HSCROLL1")->value(), 169);
    keys("FORM3", {Qt::Key_Tab, Qt::Key_Tab});
    ASSERT_EQ(focus_name(window("FORM3")), "BUTTON14");
    press(window("FORM3"), Qt::Key_Return);  // 終　了
    ASSERT_TRUE(window("FORM2")->isVisible());
    EXPECT_EQ(focus_name(window("FORM2")), "LIST1");
    press(window("FORM2"), Qt::Key_Escape);  // back to the summary
    ASSERT_TRUE(window("MAINFORM")->isVisible());
    EXPECT_EQ(focus_name(window("MAINFORM")), "BUTTON5");
    const TitleState by_keys = first_comic();

    view_.reset();
    start();
    click("BUTTON5");
    auto* list = widget<QListWidget>("LIST1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTest::keyClicks(widget("EDIT1"), "ONE PIECE 1");
    click("CHECK1");
    click("CHECK4");
    auto* bar = widget<QScrollBar>("HSCROLL1");
    bar->setSliderPosition(169);
    bar->triggerAction(QAbstractSlider::SliderMove);
    click("BUTTON14");
    click("BUTTON11");
    const TitleState by_mouse = first_comic();

    EXPECT_EQ(by_keys, by_mouse);
    EXPECT_EQ(by_keys.title, "ONE PIECE 1");
    EXPECT_EQ(by_keys.dpi, 169);
    EXPECT_EQ(by_keys.opt_edit, 1);
    EXPECT_EQ(by_keys.opt_trim, 1);
    EXPECT_EQ(by_keys.titles, 1);
}

TEST_F(KeyboardTest, ArrowKeysWalkTheWorkGroupAndChooseAsTheyGo) {
    start();
    click("BUTTON5");
    view_->dispatcher().act(control("LIST1"), [](ui::Control& c) { return ui::user_select(c, 0); });
    press(window("FORM3"), Qt::Key_Tab);
    ASSERT_EQ(focus_name(window("FORM3")), "RADIO5");
    // "解体とデータ化" is hidden: the walk passes over it, and wraps round.
    press(window("FORM3"), Qt::Key_Down);
    EXPECT_EQ(focus_name(window("FORM3")), "RADIO3");
    EXPECT_EQ(order().WORK(0, CAT_COMICS), 1);
    EXPECT_FALSE(widget("CHECK1")->isVisible());
    press(window("FORM3"), Qt::Key_Down);
    EXPECT_EQ(focus_name(window("FORM3")), "RADIO5");
    EXPECT_EQ(order().WORK(0, CAT_COMICS), 3);
    press(window("FORM3"), Qt::Key_Up);
    EXPECT_EQ(order().WORK(0, CAT_COMICS), 1);
    EXPECT_TRUE(control("RADIO3").checked() == 1 && control("RADIO5").checked() == 0);
    // The group is one stop: Tab leaves it for the next control.
    press(window("FORM3"), Qt::Key_Tab);
    EXPECT_EQ(focus_name(window("FORM3")), "BUTTON14");
}

TEST_F(KeyboardTest, FocusLeavesAControlThatIsHiddenUnderIt) {
    start();
    click("BUTTON5");
    view_->dispatcher().act(control("LIST1"), [](ui::Control& c) { return ui::user_select(c, 0); });
    widget("CHECK4")->setFocus();
    view_->dispatcher().act(control("RADIO3"), ui::user_click);  // hides the options
    QWidget* focused = window("FORM3")->focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused->isVisible());
    EXPECT_NE(focus_name(window("FORM3")), "CHECK4");
}

TEST_F(KeyboardTest, CtrlZOnTheTitleListBringsBackWhatClearingRemoved) {
    start();
    click("BUTTON5");
    for (const char* title : {"ONE", "TWO"}) {
        const int row = order().TITLECOUNT(CAT_COMICS);
        view_->dispatcher().act(control("LIST1"),
                                [row](ui::Control& c) { return ui::user_select(c, row); });
        QTest::keyClicks(window("FORM3")->focusWidget(), title);
        click("BUTTON14");
    }
    ASSERT_EQ(control("LIST1").item_count(), 3);
    const float amount = order().TITLE_TOTAL(1, CAT_COMICS);

    click("BUTTON20");  // 全タイトル消去: asks nothing
    EXPECT_EQ(control("LIST1").item_count(), 1);
    // Where a click with the mouse leaves the focus: the screen's one list
    // takes Ctrl+Z all the same.
    widget("BUTTON20")->setFocus();
    press(window("FORM2"), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(control("LIST1").item_count(), 3);
    EXPECT_EQ(order().TITLE(1, CAT_COMICS), "TWO");
    EXPECT_EQ(order().TITLE_TOTAL(1, CAT_COMICS), amount);
    EXPECT_EQ(order().TITLECOUNT(CAT_COMICS), 2);

    // Once a title was added after clearing, the cleared ones stay gone.
    click("BUTTON20");
    view_->dispatcher().act(control("LIST1"), [](ui::Control& c) { return ui::user_select(c, 0); });
    QTest::keyClicks(window("FORM3")->focusWidget(), "NEW");
    click("BUTTON14");
    widget("LIST1")->setFocus();
    press(window("FORM2"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(control("LIST1").item_count(), 2);
    EXPECT_EQ(order().TITLE(0, CAT_COMICS), "NEW");
}

struct KeyCase {
    const char* name;
    int16 edition;
    const char* form;     // the screen shown
    const char* focused;  // where the focus is put
    Qt::Key key;
    std::vector<std::string> raised;
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class EnterEscapeTest : public KeyboardTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(EnterEscapeTest, KeyRaisesWhatTheUserMeans) {
    const KeyCase& c = GetParam();
    start(c.edition);
    const std::string form = c.form;
    if (form == "FORM2" || form == "FORM3") click("BUTTON5");
    if (form == "FORM3")
        view_->dispatcher().act(control("LIST1"), [](ui::Control& l) { return ui::user_select(l, 0); });
    if (form == "FORM5") {
        control("EDIT6").set_text("statement\r\n"_sj);
        control("FORM5").show();
    }
    if (form == "FORM4") control("FORM4").show();
    for (const char* e : {"BUTTON1_ON", "BUTTON2_ON", "BUTTON11_ON", "BUTTON14_ON", "BUTTON15_ON",
                          "BUTTON16_ON", "BUTTON21_ON", "CHECK1_ON", "RADIO3_ON", "RADIO5_ON"})
        record(e);
    widget(c.focused)->setFocus();
    press(window(c.form), c.key);
    EXPECT_EQ(raised_, c.raised);
    EXPECT_EQ(ends_, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EnterEscapeTest,
    ::testing::Values(
        KeyCase{"enter_presses_the_focused_button", EDITION_CUSTOMER, "MAINFORM", "BUTTON2",
                Qt::Key_Return, {"BUTTON2_ON"}},
        KeyCase{"keypad_enter_too", EDITION_CUSTOMER, "MAINFORM", "BUTTON2", Qt::Key_Enter,
                {"BUTTON2_ON"}},
        KeyCase{"enter_in_the_coupon_box_registers_it", EDITION_CUSTOMER, "MAINFORM", "COMBO1",
                Qt::Key_Return, {"BUTTON15_ON"}},
        KeyCase{"no_coupon_registration_in_the_shop", EDITION_SHOP, "MAINFORM", "COMBO1",
                Qt::Key_Return, {}},
        KeyCase{"escape_never_ends_the_run", EDITION_CUSTOMER, "MAINFORM", "BUTTON1",
                Qt::Key_Escape, {}},
        KeyCase{"escape_leaves_the_title_list", EDITION_CUSTOMER, "FORM2", "LIST1",
                Qt::Key_Escape, {"BUTTON11_ON"}},
        KeyCase{"escape_closes_the_entry_screen", EDITION_CUSTOMER, "FORM3", "EDIT1",
                Qt::Key_Escape, {"BUTTON14_ON"}},
        KeyCase{"escape_cancels_the_import", EDITION_CUSTOMER, "FORM4", "LIST2", Qt::Key_Escape,
                {"BUTTON16_ON"}},
        KeyCase{"escape_on_the_statement", EDITION_CUSTOMER, "FORM5", "EDIT6", Qt::Key_Escape,
                {"BUTTON21_ON"}},
        KeyCase{"space_in_the_title_is_text", EDITION_CUSTOMER, "FORM3", "EDIT1", Qt::Key_Space,
                {}},
        KeyCase{"enter_in_the_title_presses_nothing", EDITION_CUSTOMER, "FORM3", "EDIT1",
                Qt::Key_Return, {}},
        KeyCase{"enter_leaves_a_check_box_alone", EDITION_CUSTOMER, "FORM3", "CHECK1",
                Qt::Key_Return, {}},
        KeyCase{"space_ticks_a_check_box", EDITION_CUSTOMER, "FORM3", "CHECK1", Qt::Key_Space,
                {"CHECK1_ON"}},
        KeyCase{"space_presses_a_button", EDITION_CUSTOMER, "FORM3", "BUTTON14", Qt::Key_Space,
                {"BUTTON14_ON"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scanfee::qtview::testing
