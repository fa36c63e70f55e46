// The stops the keyboard reaches follow the edition, the category and what
// the handlers hide, disable or check.
#include <gtest/gtest.h>

#include "support/program_fixture.h"
#include "ui/keyboard_order.h"

namespace scanfee::testing {
namespace {

std::vector<std::string> names(const std::vector<ui::Control*>& controls) {
    std::vector<std::string> out;
    for (const ui::Control* c : controls) out.push_back(c->name());
    return out;
}

class KeyboardOrderTest : public ProgramTest {};

TEST_F(KeyboardOrderTest, TheSummaryScreensStopsAreThoseOfTheEdition) {
    const struct {
        int16 edition;
        std::vector<std::string> stops;
    } cases[] = {
        // Down the left column, then down the right one.
        {EDITION_CUSTOMER,
         {"BUTTON5", "BUTTON9", "COMBO1", "BUTTON15", "BUTTON4", "BUTTON3", "BUTTON2", "BUTTON1"}},
        {EDITION_SHOP,
         {"BUTTON5", "BUTTON9", "COMBO1", "CHECK8", "BUTTON4", "BUTTON3", "BUTTON2", "EDIT4", "EDIT5",
          "BUTTON1", "EDIT7"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        start(c.edition);
        EXPECT_EQ(names(ui::tab_stops(*this->c().MAINFORM)), c.stops);
        EXPECT_EQ(ui::first_focus(*this->c().MAINFORM), this->c().BUTTON5);
    }
}

TEST_F(KeyboardOrderTest, ARadioGroupStopsAtItsCheckedButton) {
    start(EDITION_SHOP);
    add_title(c().BUTTON5, "ABC"_sj);
    // A comic has no list price, page count or book kind to enter.
    auto stops = names(ui::tab_stops(*c().FORM3));
    ASSERT_GE(stops.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(stops.begin(), stops.begin() + 3),
              (std::vector<std::string>{"EDIT1", "RADIO5", "CHECK6"}));
    click(c().RADIO3);
    stops = names(ui::tab_stops(*c().FORM3));
    ASSERT_GE(stops.size(), 2u);
    EXPECT_EQ(stops[1], "RADIO3");
    // The hidden "解体とデータ化" is passed over by the arrow keys.
    auto work = ui::radios_of(*c().FORM3, "GROUP2");
    EXPECT_EQ(ui::radio_step(work, *c().RADIO3, true), c().RADIO5);
    EXPECT_EQ(ui::radio_step(work, *c().RADIO5, true), c().RADIO3);
    EXPECT_EQ(ui::radio_step(work, *c().RADIO3, false), c().RADIO5);
    EXPECT_EQ(ui::first_focus(*c().FORM3), c().EDIT1);
}

TEST_F(KeyboardOrderTest, CtrlZGoesToTheFocusedListOrTheScreensOnlyList) {
    start(EDITION_CUSTOMER);
    const auto& k = c();
    EXPECT_EQ(ui::undo_list(*k.FORM2, k.LIST1), k.LIST1);
    // A click on "全タイトル消去" leaves the focus there.
    EXPECT_EQ(ui::undo_list(*k.FORM2, k.BUTTON20), k.LIST1);
    EXPECT_EQ(ui::undo_list(*k.FORM2, nullptr), k.LIST1);
    // A text box keeps its own undo; two lists leave the choice to the focus.
    EXPECT_EQ(ui::undo_list(*k.FORM3, k.EDIT1), nullptr);
    EXPECT_EQ(ui::undo_list(*k.FORM4, k.LIST3), k.LIST3);
    EXPECT_EQ(ui::undo_list(*k.FORM4, k.BUTTON19), nullptr);
}

TEST_F(KeyboardOrderTest, AFormWithoutARowHasNoStops) {
    ui::ScreenModel model;
    ui::Form& form = model.add_form("FORM9", "x", 10, 10, ui::FrameStyle::Plain);
    form.add(ui::Kind::Button, "BUTTON1", "x");
    EXPECT_TRUE(ui::tab_stops(form).empty());
    EXPECT_EQ(ui::first_focus(form), nullptr);
    EXPECT_FALSE(ui::escape_leaves("MAINFORM"));
    EXPECT_TRUE(ui::escape_leaves("form5"));
}

}  // namespace
}  // namespace scanfee::testing
