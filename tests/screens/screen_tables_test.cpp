#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/program.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/screen_definitions.h"
#include "ui/keyboard_order.h"

namespace scanfee::screens {
namespace {

// One entry a table row: its form, its name and the variable it binds.
struct Row {
    std::string form, name;
    ui::Control* Controls::*field;
};

std::vector<Row> table_rows() {
    std::vector<Row> rows;
    std::string form;
#define FORM(NAME, ...) form = #NAME;
#define CONTROL(NAME, ...) rows.push_back({form, #NAME, &Controls::NAME});
#include "screens/forms/all_forms.def"
    return rows;
}

class ScreenTablesTest : public ::testing::Test {
protected:
    void SetUp() override {
        reset_program();
        define_screens(screen_model());
        bind_controls(screen_model());
    }
    static ui::Control& control(const std::string& name) {
        ui::Control* c = screen_model().find(name);
        if (!c) throw std::logic_error("no control " + name);
        return *c;
    }
    static bool in(const std::set<std::string>& names, const ui::Control& c) {
        return names.count(ui::upper_name(c.name())) > 0;
    }
    static std::vector<ui::Control*> all_controls() {
        std::vector<ui::Control*> all;
        for (const auto& form : screen_model().forms())
            for (const auto& c : form->controls()) all.push_back(c.get());
        return all;
    }
};

TEST_F(ScreenTablesTest, EveryRowBindsAControlOfItsOwnFormAndNoOtherRow) {
    const std::vector<Row> rows = table_rows();
    std::set<ui::Control*> bound;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ui::Control* c = scr().*row.field;
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c, screen_model().find(row.form, row.name));
        EXPECT_EQ(c->form()->name(), row.form);
        // Two names that differ only in case would bind one control twice.
        EXPECT_TRUE(bound.insert(c).second) << "bound twice";
    }
    EXPECT_EQ(bound.size(), all_controls().size()) << "a control without a row";
    const std::vector<std::string> forms = {"MAINFORM", "FORM2", "FORM3", "FORM4", "FORM5"};
    ASSERT_EQ(screen_model().forms().size(), forms.size());
    for (size_t i = 0; i < forms.size(); ++i) {
        EXPECT_EQ(screen_model().forms()[i]->name(), forms[i]);
        EXPECT_EQ(screen_model().forms()[i].get(), screen_model().find_form(forms[i]));
    }
}

TEST_F(ScreenTablesTest, NamesAreStoredAsDesignedButtonsOfTheEntryAndStatementScreensInLowerCase) {
    for (ui::Control* c : all_controls()) {
        SCOPED_TRACE(c->name());
        const std::string& form = c->form()->name();
        bool lower = c->kind() == ui::Kind::Button && (form == "FORM3" || form == "FORM5");
        std::string expected = ui::upper_name(c->name());
        if (lower)
            for (char& ch : expected) ch = static_cast<char>(std::tolower(ch));
        EXPECT_EQ(c->name(), expected);
    }
    EXPECT_EQ(scr().BUTTON12->name(), "button12");
    EXPECT_EQ(scr().BUTTON23->name(), "button23");
    EXPECT_EQ(scr().BUTTON11->name(), "BUTTON11");
}

TEST_F(ScreenTablesTest, ControlsLieInsideTheirFormAndRadioButtonsInsideTheirGroupBox) {
    for (ui::Control* c : all_controls()) {
        SCOPED_TRACE(c->name());
        const ui::Rect& r = c->geometry();
        const ui::Rect& f = c->form()->geometry();
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.w > 0 && r.h > 0);
        EXPECT_LE(r.x + r.w, f.w);
        EXPECT_LE(r.y + r.h, f.h);
        if (c->kind() != ui::Kind::Radio) {
            EXPECT_EQ(c->group(), "");
            continue;
        }
        ui::Control* group = c->form()->find(c->group());
        ASSERT_NE(group, nullptr) << "no group box " << c->group();
        EXPECT_EQ(group->kind(), ui::Kind::Group);
        const ui::Rect& g = group->geometry();
        EXPECT_TRUE(r.x >= g.x && r.y >= g.y && r.x + r.w <= g.x + g.w && r.y + r.h <= g.y + g.h);
    }
}

TEST_F(ScreenTablesTest, LimitsBelongToTheInputBoxesThatTheDesignGivesThem) {
    struct Case {
        const char* name;
        bool digits_only;
        int max_length;
        ui::Ime ime;
    };
    const Case boxes[] = {
        {"EDIT1", false, 0, ui::Ime::On}, {"EDIT2", true, 5, ui::Ime::Off},
        {"EDIT3", true, 3, ui::Ime::Off}, {"EDIT4", true, 6, ui::Ime::Off},
        {"EDIT5", true, 5, ui::Ime::Off}, {"EDIT7", false, 0, ui::Ime::On},
    };
    std::set<std::string> limited;
    for (const Case& tc : boxes) {
        SCOPED_TRACE(tc.name);
        limited.insert(tc.name);
        const ui::Control& c = control(tc.name);
        EXPECT_EQ(c.digits_only(), tc.digits_only);
        EXPECT_EQ(c.max_length(), tc.max_length);
        EXPECT_EQ(c.ime(), tc.ime);
    }
    EXPECT_TRUE(control("LIST2").multi_select());
    EXPECT_TRUE(control("EDIT6").multiline() && control("EDIT6").read_only());
    for (ui::Control* c : all_controls()) {
        SCOPED_TRACE(c->name());
        if (!in(limited, *c)) {
            EXPECT_TRUE(!c->digits_only() && c->max_length() == 0 && c->ime() == ui::Ime::Default);
        }
        EXPECT_EQ(c->multi_select(), c == &control("LIST2"));
        EXPECT_EQ(c->multiline() || c->read_only(), c == &control("EDIT6"));
    }
}

// A screen reader reads a box, list, combo box or scroll bar by the label
// beside it, and an amount by the caption before it: a shown label of its own
// form that nothing else is named by. On the summary every label shown at
// the start is an amount, its caption or the heading of the subtotals.
TEST_F(ScreenTablesTest, EveryInputIsNamedByTheLabelBesideItOrANameOfItsOwn) {
    std::set<std::string> labels;
    for (ui::Control* c : all_controls()) {
        SCOPED_TRACE(c->name());
        const ui::Kind k = c->kind();
        const bool input = k == ui::Kind::Edit || k == ui::Kind::List || k == ui::Kind::Combo ||
                           k == ui::Kind::HScroll;
        const bool named = !c->labelled_by().empty() || !c->own_name().empty();
        if (k != ui::Kind::Label) {
            EXPECT_EQ(input, named);
        }
        EXPECT_FALSE(!c->labelled_by().empty() && !c->own_name().empty());
        EXPECT_EQ(!c->value_unit().empty(), k == ui::Kind::HScroll);
        if (c->labelled_by().empty()) continue;
        ui::Control* label = c->form()->find(c->labelled_by());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->kind(), ui::Kind::Label);
        EXPECT_FALSE(label->text().empty());
        EXPECT_TRUE(label->visible());
        EXPECT_TRUE(labels.insert(label->name()).second) << "names two controls";
    }
    const ui::Form& summary = *screen_model().find_form("MAINFORM");
    for (const auto& c : summary.controls()) {
        if (c->kind() != ui::Kind::Label || !c->visible() || c->name() == "TEXT46") continue;
        EXPECT_TRUE(labels.count(c->name()) || !c->labelled_by().empty() || !c->own_name().empty())
            << c->name();
    }
    EXPECT_EQ(control("EDIT1").labelled_by(), "TEXT17");
    EXPECT_EQ(control("TEXT12").labelled_by(), "TEXT11");
    EXPECT_EQ(control("COMBO1").own_name(), rt::to_sjis("割引券番号"));
}

// The narrow layout keeps every control, each in a cell of its own, a label
// beside the box it names (above a list as wide as the layout), a group's
// buttons inside its rows, and the Tab order from top to bottom.
TEST_F(ScreenTablesTest, EveryControlHasACellOfItsOwnInTheNarrowLayoutInTheTabOrder) {
    using ui::FlowColumn;
    for (const auto& form : screen_model().forms()) {
        SCOPED_TRACE(form->name());
        std::set<std::pair<int, FlowColumn>> taken;
        int last_row = 0;
        for (const auto& c : form->controls()) {
            SCOPED_TRACE(c->name());
            const ui::FlowPlace& place = c->flow();
            ASSERT_GE(place.row, 1);
            EXPECT_EQ(place.rows > 1, c->kind() == ui::Kind::Group);
            last_row = std::max(last_row, place.row + place.rows - 1);
            if (c->kind() == ui::Kind::Radio) {
                const ui::FlowPlace& group = form->find(c->group())->flow();
                EXPECT_TRUE(place.row > group.row && place.row < group.row + group.rows);
                EXPECT_EQ(place.column, FlowColumn::Both);
                EXPECT_TRUE(taken.insert({place.row, FlowColumn::Both}).second) << "a cell twice";
                continue;
            }
            for (FlowColumn column : {FlowColumn::Label, FlowColumn::Box}) {
                if (place.column == column || place.column == FlowColumn::Both) {
                    EXPECT_TRUE(taken.insert({place.row, column}).second) << "a cell twice";
                }
            }
            // A list across both columns has its caption on the row above.
            if (!c->labelled_by().empty()) {
                const ui::FlowPlace& label = form->find(c->labelled_by())->flow();
                if (place.column == FlowColumn::Both) {
                    EXPECT_EQ(label.row, place.row - 1);
                    EXPECT_EQ(label.column, FlowColumn::Both);
                } else {
                    EXPECT_EQ(label.row, place.row);
                    EXPECT_EQ(label.column, FlowColumn::Label);
                    EXPECT_EQ(place.column, FlowColumn::Box);
                }
            }
        }
        for (int row = 1; row <= last_row; ++row) {
            EXPECT_TRUE(taken.count({row, FlowColumn::Label}) || taken.count({row, FlowColumn::Box}) ||
                        taken.count({row, FlowColumn::Both}))
                << "row " << row << " empty";
        }
        const ui::FormFocus* order = ui::focus_order(form->name());
        ASSERT_NE(order, nullptr);
        int row = 0;
        for (const char* stop : order->chain) {
            SCOPED_TRACE(stop);
            const int at = form->find(stop)->flow().row;
            EXPECT_GE(at, row) << "above the stop before it";
            row = at;
        }
    }
}

TEST_F(ScreenTablesTest, OnlyTheDesignsHiddenAndCheckedControlsStartSo) {
    const std::set<std::string> hidden = {"BUTTON6", "BUTTON7", "BUTTON8", "TEXT42", "TEXT43",
                                          "TEXT44",  "TEXT26",  "TEXT27",  "RADIO4", "CHECK7"};
    const std::set<std::string> checked = {"RADIO1", "RADIO5"};
    for (ui::Control* c : all_controls()) {
        SCOPED_TRACE(c->name());
        EXPECT_EQ(c->visible(), !in(hidden, *c));
        EXPECT_EQ(c->checked(), in(checked, *c) ? 1 : 0);
        EXPECT_TRUE(c->enabled());
        EXPECT_EQ(c->font().face.empty(), c->kind() == ui::Kind::HScroll);
    }
    for (const auto& form : screen_model().forms()) EXPECT_FALSE(form->visible()) << form->name();
}

}  // namespace
}  // namespace scanfee::screens
