// Every screen opens with the focus on its first input, and the Tab key walks
// its controls in the order they are laid out.
#include <QWidget>
#include <algorithm>
#include <set>

#include "keyboard.h"
#include "ui/keyboard_order.h"
#include "qt/view_fixture.h"
#include "runtime/sjis.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

bool takes_focus(ui::Kind kind) {
    switch (kind) {
        case ui::Kind::Button:
        case ui::Kind::CheckBox:
        case ui::Kind::Radio:
        case ui::Kind::Edit:
        case ui::Kind::List:
        case ui::Kind::Combo:
        case ui::Kind::HScroll:
            return true;
        case ui::Kind::Form:
        case ui::Kind::Group:
        case ui::Kind::Label:
            break;
    }
    return false;
}

class FocusOrderTest : public ViewTest {};

TEST_F(FocusOrderTest, EveryControlThatTakesTheFocusHasOnePlaceInItsScreensChain) {
    start();
    for (const auto& form : screen_model().forms()) {
        SCOPED_TRACE(form->name());
        const ui::FormFocus* row = ui::focus_order(form->name());
        ASSERT_NE(row, nullptr);
        std::multiset<std::string> listed;
        for (const char* name : row->chain) {
            const ui::Control* c = form->find(name);
            ASSERT_NE(c, nullptr) << name;
            if (c->kind() == ui::Kind::Group) {
                for (const ui::Control* radio : ui::radios_of(*form, c->name()))
                    listed.insert(ui::upper_name(radio->name()));
            } else {
                listed.insert(ui::upper_name(c->name()));
            }
        }
        std::multiset<std::string> focusable;
        for (const auto& c : form->controls())
            if (takes_focus(c->kind())) focusable.insert(ui::upper_name(c->name()));
        EXPECT_EQ(listed, focusable);
        EXPECT_NE(std::find_if(row->chain.begin(), row->chain.end(),
                               [&](const char* n) { return ui::same_name(n, row->first); }),
                  row->chain.end());
    }
}

// Two controls share a row when they overlap by half the height of the lower
// one; within a row the chain goes left to right, otherwise downwards. A
// screen of two columns starts again at the top of its right column.
TEST_F(FocusOrderTest, EachStopLiesRightOfOrBelowTheOneBefore) {
    start();
    for (const ui::FormFocus& row : ui::focus_order_table()) {
        const ui::Form* form = screen_model().find_form(row.form);
        ASSERT_NE(form, nullptr) << row.form;
        for (size_t i = 1; i < row.chain.size(); ++i) {
            if (i == row.right_column) continue;
            const ui::Rect a = form->find(row.chain[i - 1])->geometry();
            const ui::Rect b = form->find(row.chain[i])->geometry();
            SCOPED_TRACE(std::string(row.chain[i - 1]) + " -> " + row.chain[i]);
            const int overlap = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
            if (overlap * 2 >= std::min(a.h, b.h))
                EXPECT_TRUE(b.x > a.x || (b.x == a.x && b.y > a.y));
            else
                EXPECT_GT(b.y, a.y);
        }
    }
}

TEST_F(FocusOrderTest, TheLeftColumnLiesLeftOfTheRightOne) {
    start();
    for (const ui::FormFocus& row : ui::focus_order_table()) {
        if (row.right_column == 0) continue;
        SCOPED_TRACE(row.form);
        const ui::Form* form = screen_model().find_form(row.form);
        auto centre = [&](size_t i) {
            const ui::Rect r = form->find(row.chain[i])->geometry();
            return r.x + r.w / 2;
        };
        int left = 0, right = form->geometry().w;
        for (size_t i = 0; i < row.right_column; ++i) left = std::max(left, centre(i));
        for (size_t i = row.right_column; i < row.chain.size(); ++i) right = std::min(right, centre(i));
        EXPECT_LT(left, right);
    }
}

struct Step {
    const char* control;
    int row = -2;  // a list row to click; -2: click the control itself
};

struct ChainCase {
    const char* name;
    int16 edition;
    std::vector<Step> steps;  // what the user did to reach the screen
    const char* form;
    std::vector<std::string> chain;  // from the first focus on, once round
};

void PrintTo(const ChainCase& c, std::ostream* out) { *out << c.name; }

class FocusChainTest : public ViewTest, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(FocusChainTest, ScreenOpensOnItsFirstInputAndTabGoesRoundInLayoutOrder) {
    const ChainCase& c = GetParam();
    start(c.edition);
    for (const Step& step : c.steps) {
        ui::Control& target = control(step.control);
        if (step.row == -2)
            view_->dispatcher().act(target, ui::user_click);
        else
            view_->dispatcher().act(target, [&](ui::Control& t) { return ui::user_select(t, step.row); });
    }
    if (std::string(c.form) == "FORM5") {
        control("EDIT6").set_text("statement\r\n"_sj);
        control("BUTTON23").set_visible(c.edition == EDITION_SHOP);
        control("FORM5").show();
    } else if (std::string(c.form) == "FORM4") {
        control("FORM4").show();
    }
    QApplication::processEvents();
    QWidget* window = view_->widget(c.form);
    ASSERT_TRUE(window->isVisible());

    std::vector<std::string> chain{focus_name(window)};
    for (size_t i = 0; i < 30; ++i) {
        press(window, Qt::Key_Tab);
        if (focus_name(window) == chain.front()) break;
        chain.push_back(focus_name(window));
    }
    EXPECT_EQ(chain, c.chain);
    // Shift+Tab goes back round the same way.
    press(window, Qt::Key_Backtab);
    EXPECT_EQ(focus_name(window), c.chain.back());
    QWidget* focused = window->focusWidget();
    EXPECT_TRUE(focused->isVisible() && focused->isEnabled());
}

const std::vector<std::string> COMICS_OPTIONS = {"CHECK1", "CHECK3", "CHECK4", "CHECK2",
                                                 "HSCROLL1", "BUTTON13", "BUTTON14"};

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FocusChainTest,
    ::testing::Values(
        ChainCase{"summary_customer", EDITION_CUSTOMER, {}, "MAINFORM",
                  {"BUTTON5", "BUTTON9", "COMBO1", "BUTTON15", "BUTTON4", "BUTTON3", "BUTTON2",
                   "BUTTON1"}},
        ChainCase{"summary_shop", EDITION_SHOP, {}, "MAINFORM",
                  {"BUTTON5", "BUTTON9", "COMBO1", "CHECK8", "BUTTON4", "BUTTON3", "BUTTON2",
                   "EDIT4", "EDIT5", "BUTTON1", "EDIT7"}},
        ChainCase{"title_list", EDITION_CUSTOMER, {{"BUTTON5"}}, "FORM2",
                  {"LIST1", "BUTTON10", "BUTTON11", "BUTTON20"}},
        ChainCase{"comics_customer", EDITION_CUSTOMER, {{"BUTTON5"}, {"LIST1", 0}}, "FORM3",
                  joined({"EDIT1", "RADIO5"}, COMICS_OPTIONS)},
        ChainCase{"comics_shop", EDITION_SHOP, {{"BUTTON5"}, {"LIST1", 0}}, "FORM3",
                  joined({"EDIT1", "RADIO5", "CHECK6"}, COMICS_OPTIONS)},
        ChainCase{"comics_reopened", EDITION_CUSTOMER,
                  {{"BUTTON5"}, {"LIST1", 0}, {"BUTTON14"}, {"LIST1", 0}}, "FORM3",
                  joined({"EDIT1", "RADIO5"}, COMICS_OPTIONS)},
        ChainCase{"comics_dismantling_only", EDITION_CUSTOMER,
                  {{"BUTTON5"}, {"LIST1", 0}, {"RADIO3"}}, "FORM3",
                  {"EDIT1", "RADIO3", "BUTTON14"}},
        ChainCase{"photo_books", EDITION_CUSTOMER, {{"BUTTON9"}, {"LIST1", 0}}, "FORM3",
                  {"EDIT1", "RADIO5", "CHECK3", "CHECK4", "CHECK2", "HSCROLL1", "BUTTON13",
                   "BUTTON14"}},
        ChainCase{"import", EDITION_CUSTOMER, {{"BUTTON5"}}, "FORM4",
                  {"LIST2", "BUTTON17", "BUTTON18", "LIST3", "BUTTON19", "CHECK5", "BUTTON16"}},
        ChainCase{"statement_customer", EDITION_CUSTOMER, {}, "FORM5",
                  {"EDIT6", "BUTTON22", "BUTTON21"}},
        ChainCase{"statement_shop", EDITION_SHOP, {}, "FORM5",
                  {"EDIT6", "BUTTON23", "BUTTON22", "BUTTON21"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scanfee::qtview::testing

namespace scanfee::qtview::testing {
namespace {

struct ReturnCase {
    const char* name;
    int16 edition;
    std::vector<Qt::Key> keys;  // from the first focus on the summary screen
    const char* leave_by;       // clicked when not empty (after the keys)
    const char* back_by;        // on the title list: a button clicked, or Esc when empty
    const char* expected;
};

void PrintTo(const ReturnCase& c, std::ostream* out) { *out << c.name; }

class ReturnFocusTest : public ViewTest, public ::testing::WithParamInterface<ReturnCase> {};

TEST_P(ReturnFocusTest, BackOnTheSummaryTheFocusIsWhereTheUserLeftIt) {
    const ReturnCase& c = GetParam();
    start(c.edition);
    QWidget* summary = view_->widget("MAINFORM");
    for (Qt::Key key : c.keys) press(summary, key);
    if (*c.leave_by) click(c.leave_by);
    if (c.back_by) {
        QWidget* list = view_->widget("FORM2");
        ASSERT_TRUE(list->isVisible());
        if (*c.back_by)
            click(c.back_by);
        else
            press(list, Qt::Key_Escape);
    }
    ASSERT_TRUE(summary->isVisible());
    EXPECT_EQ(focus_name(summary), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Summary, ReturnFocusTest,
    ::testing::Values(
        ReturnCase{"photo_books_by_mouse", EDITION_CUSTOMER, {}, "BUTTON9", "BUTTON11", "BUTTON9"},
        ReturnCase{"photo_books_by_keys", EDITION_SHOP, {Qt::Key_Tab, Qt::Key_Space}, "", "", "BUTTON9"},
        // The button clicked, not the one the keyboard had reached.
        ReturnCase{"comics_clicked_after_tabbing", EDITION_CUSTOMER, {Qt::Key_Tab}, "BUTTON5", "",
                   "BUTTON5"},
        // The totals refreshed by the tick box leave the focus on it.
        ReturnCase{"special_discount_ticked", EDITION_SHOP,
                   {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}, "", nullptr, "CHECK8"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace scanfee::qtview::testing
