#include <gtest/gtest.h>

#include <vector>

#include "runtime/sjis.h"
#include "ui/events.h"
#include "ui/model.h"
#include "ui/user_actions.h"

namespace scanfee::ui {
namespace {

using namespace rt::literals;

struct Recorder : Observer {
    std::vector<std::pair<std::string, Prop>> changes;
    void changed(Control& control, Prop prop) override { changes.emplace_back(control.name(), prop); }
};

class ModelTest : public ::testing::Test {
protected:
    ScreenModel model;
    Form& form = model.add_form("FORM9", "caption", 100, 100, FrameStyle::Dialog);
};

TEST_F(ModelTest, NamesAreFoundWithoutRegardToCase) {
    form.add(Kind::Button, "button12", "x");
    EXPECT_EQ(model.find("BUTTON12"), form.find("Button12"));
    EXPECT_NE(model.find("BUTTON12"), nullptr);
    EXPECT_EQ(model.find("form9"), &form);
    EXPECT_EQ(model.find("FORM9", "BUTTON12")->name(), "button12");
    EXPECT_EQ(model.find("NOPE"), nullptr);
}

TEST_F(ModelTest, TypingFollowsTheBoxLimits) {
    Control& digits = form.add(Kind::Edit, "EDIT4").digits(6);
    Control& limited = form.add(Kind::Combo, "COMBO1").limited(10);
    Control& half_width = form.add(Kind::Combo, "COMBO2").limited(10).input_method(Ime::Off);
    struct Case {
        Control* box;
        std::string typed, kept;
    };
    const Case cases[] = {
        {&digits, "12a3", "123"},
        {&digits, "1234567", "123456"},
        {&digits, "１２3", "123"},  // an input method's full-width digits are digits
        {&digits, "９８７６５４３", "987654"},
        {&digits, "１ａ－２", "12"},
        {&digits, "", ""},
        {&limited, "12345678901", "1234567890"},
        {&limited, "abcdefghiあ", "abcdefghi"},  // a two-byte character is not cut in half
        {&limited, "あいうえお", "あいうえお"},
        {&limited, "a\tb\nc\rd\x1b\x7f", "abcd"},  // no control characters, pasted or typed
        {&digits, "1\t2", "12"},
        // A box for half-width entry takes an input method's digits as
        // digits too, and keeps its other characters.
        {&half_width, "１６１２３１００４２", "1612310042"},
        {&half_width, "Ａ１b２", "Ａ1b2"},
        {&limited, "１２", "１２"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.typed);
        EXPECT_EQ(user_type(*tc.box, rt::to_sjis(tc.typed)), tc.box->name() + "_CHANGE");
        EXPECT_EQ(tc.box->text(), rt::to_sjis(tc.kept));
    }
}

TEST_F(ModelTest, ClicksToggleCheckBoxesAndRadioButtonsExcludeTheirGroupOnly) {
    Control& check = form.add(Kind::CheckBox, "CHECK1");
    Control& r1 = form.add(Kind::Radio, "RADIO1").in_group("GROUP1").checked_at_first();
    Control& r2 = form.add(Kind::Radio, "RADIO2").in_group("GROUP1");
    Control& r3 = form.add(Kind::Radio, "RADIO3").in_group("GROUP2").checked_at_first();
    EXPECT_EQ(user_click(check), "CHECK1_ON");
    EXPECT_EQ(check.checked(), 1);
    user_click(check);
    EXPECT_EQ(check.checked(), 0);
    EXPECT_EQ(user_click(r2), "RADIO2_ON");
    EXPECT_EQ(r1.checked(), 0);
    EXPECT_EQ(r2.checked(), 1);
    EXPECT_EQ(r3.checked(), 1) << "another group is left alone";
}

TEST_F(ModelTest, ListsCombosAndScrollBars) {
    Control& list = form.add(Kind::List, "LIST1");
    Control& multi = form.add(Kind::List, "LIST2").multiple_selection();
    Control& combo = form.add(Kind::Combo, "COMBO1");
    Control& bar = form.add(Kind::HScroll, "HSCROLL1");
    for (Control* c : {&list, &multi, &combo}) {
        c->add_item("a");
        c->add_item("b");
    }
    EXPECT_EQ(user_select(list, 1), "LIST1_CLICK");
    EXPECT_EQ(list.selected(), 1);
    user_select(list, -1);
    EXPECT_EQ(list.selected(), -1);
    user_select(list, 5);
    EXPECT_EQ(list.selected(), -1) << "beyond the rows is no row";

    user_select(multi, 0);
    user_select(multi, 1);
    EXPECT_EQ(multi.selected_count(), 2);
    user_select(multi, 0);
    EXPECT_FALSE(multi.is_item_selected(0));
    EXPECT_TRUE(multi.is_item_selected(1));

    EXPECT_EQ(user_select(combo, 1), "COMBO1_CHANGE");
    EXPECT_EQ(combo.text(), "b");
    combo.clear_items();
    EXPECT_EQ(combo.selected(), -1);

    bar.set_range(50, 600);
    EXPECT_EQ(bar.pos(), 50) << "the position follows a new range";
    user_scroll(bar, 900);
    EXPECT_EQ(bar.pos(), 600);
    bar.set_range(50, 375);
    EXPECT_EQ(bar.pos(), 375);
}

TEST_F(ModelTest, ObserversSeeEveryChangeButNotRepeats) {
    Control& label = form.add(Kind::Label, "TEXT1");
    Recorder recorder;
    model.add_observer(&recorder);
    label.set_text("a");
    label.set_text("a");
    label.hide();
    label.set_font_size(22);
    form.show();
    model.remove_observer(&recorder);
    label.set_text("b");
    ASSERT_EQ(recorder.changes.size(), 4u);
    EXPECT_EQ(recorder.changes[0], std::make_pair(std::string("TEXT1"), Prop::Text));
    EXPECT_EQ(recorder.changes[1].second, Prop::Visible);
    EXPECT_EQ(recorder.changes[2].second, Prop::Font);
    EXPECT_EQ(recorder.changes[3], std::make_pair(std::string("FORM9"), Prop::Visible));
}

TEST_F(ModelTest, OnlyVisibleEnabledControlsOnVisibleFormsAreReachable) {
    Control& button = form.add(Kind::Button, "BUTTON1");
    EXPECT_FALSE(user_can_reach(button)) << "forms start hidden";
    form.show();
    EXPECT_TRUE(user_can_reach(button));
    EXPECT_TRUE(user_can_reach(form));
    button.set_enabled(false);
    EXPECT_FALSE(user_can_reach(button));
    button.set_enabled(true);
    button.hide();
    EXPECT_FALSE(user_can_reach(button));
}

TEST(EventTable, RaisesRegisteredHandlersByNameIgnoringCase) {
    EventTable events;
    int runs = 0;
    events.on("BUTTON5_ON", [&] { ++runs; });
    EXPECT_TRUE(events.raise("button5_on"));
    EXPECT_FALSE(events.raise("BUTTON5_CLICK"));
    EXPECT_TRUE(events.handles("Button5_On"));
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace scanfee::ui
