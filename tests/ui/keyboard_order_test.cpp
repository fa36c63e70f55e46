// The stops the keyboard reaches follow the edition, the category and what
// the handlers hide, disable or check.
#include <gtest/gtest.h>

#include "support/program_fixture.h"
#include "ui/keyboard_order.h"
#include "ui/reading_order.h"

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

// A screen reader reads a screen as the Tab key walks it: a caption just
// before what it names, an amount in the row and column where it stands.
TEST_F(KeyboardOrderTest, ScreensAreReadInTheOrderTheyAreSeen) {
    start(EDITION_SHOP);
    auto read = [](const ui::Control* form) {
        std::string out;
        for (const ui::Control* c : ui::reading_order(*static_cast<const ui::Form*>(form)))
            out += (out.empty() ? "" : " ") + ui::upper_name(c->name());
        return out;
    };
    EXPECT_EQ(read(c().MAINFORM),
              "TEXT46 BUTTON5 TEXT41 BUTTON6 TEXT42 BUTTON9 TEXT45 BUTTON8 TEXT44 BUTTON7 TEXT43 "
              "COMBO1 BUTTON15 TEXT9 TEXT10 TEXT39 TEXT40 TEXT15 TEXT16 TEXT49 TEXT50 CHECK8 "
              "BUTTON4 BUTTON3 BUTTON2 TEXT1 TEXT2 TEXT3 TEXT4 TEXT5 TEXT6 TEXT7 TEXT8 TEXT11 TEXT12 "
              "TEXT51 EDIT4 TEXT53 TEXT54 TEXT52 EDIT5 BUTTON1 TEXT55 EDIT7");
    EXPECT_EQ(read(c().FORM2), "BUTTON10 BUTTON11 TEXT13 TEXT14 BUTTON20 LIST1");
    EXPECT_EQ(read(c().FORM3),
              "TEXT17 EDIT1 TEXT56 TEXT18 EDIT2 TEXT19 EDIT3 GROUP1 RADIO1 RADIO2 GROUP2 RADIO3 "
              "RADIO4 RADIO5 TEXT20 TEXT21 BUTTON12 TEXT26 TEXT27 TEXT24 TEXT25 TEXT28 TEXT29 "
              "TEXT22 TEXT23 TEXT37 TEXT38 TEXT30 CHECK6 TEXT31 CHECK1 TEXT33 CHECK3 TEXT34 CHECK4 "
              "TEXT32 CHECK2 TEXT35 TEXT36 HSCROLL1 BUTTON13 CHECK7 BUTTON14");
    EXPECT_EQ(read(c().FORM4), "TEXT47 LIST2 BUTTON17 BUTTON18 TEXT48 LIST3 BUTTON19 CHECK5 BUTTON16");
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
