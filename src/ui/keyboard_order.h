#pragma once
// The keyboard on every screen, for every view: where the focus goes when a
// screen opens, the Tab order, the radio buttons of a group box as one stop,
// the screens that Esc leaves and the boxes whose Enter presses a button.
// The designs place the controls but say nothing of the keyboard, so this is
// the views' own data.
#include <cstddef>
#include <string_view>
#include <vector>

#include "ui/model.h"

namespace scanfee::ui {

struct FormFocus {
    const char* form;
    // Where the focus goes each time the screen is shown.
    const char* first;
    // The tab chain, top to bottom and left to right within a row. A group
    // box stands for its radio buttons, which are one stop together.
    std::vector<const char*> chain;
    // A screen laid out in two columns is walked down its left column, then
    // down its right one: the chain's index where the right column starts,
    // 0 for a screen of one column.
    std::size_t right_column = 0;
    // Shown again, the screen puts the focus back where the user left it
    // (the button that led away from it), not on its first input.
    bool returns_focus = false;
};

const std::vector<FormFocus>& focus_order_table();
// The row of `form`, or nullptr for a form without one.
const FormFocus* focus_order(std::string_view form);

// The radio buttons of `group` on `form`, top to bottom, then left to right.
std::vector<Control*> radios_of(const Form& form, std::string_view group);
// The one the Tab key stops at: the checked one that is shown and enabled,
// else the first shown and enabled one; nullptr when there is none.
Control* radio_tab_stop(const std::vector<Control*>& radios);
// The next (or previous) shown and enabled radio button after `from`, wrapping
// round; nullptr when there is no other.
Control* radio_step(const std::vector<Control*>& radios, const Control& from, bool forward);

// The stops of the form's chain that are shown and enabled now, in order; a
// group box gives its radio button that takes the stop.
std::vector<Control*> tab_stops(const Form& form);
// The control that takes the focus when the form opens: its first control
// if that can, else the first stop of the chain; nullptr when none can.
Control* first_focus(const Form& form);

// The list Ctrl+Z takes back the last action of: the focused one (`focused`
// is the control holding the focus, or nullptr); on a screen of one list,
// that list wherever the focus is but in a box that edits text, which keeps
// its own undo (a click on "全タイトル消去" leaves the focus on that button).
// nullptr: Ctrl+Z is not the screen's to take.
Control* undo_list(const Form& form, const Control* focused);

// Whether Esc leaves `form` as closing it by its frame does.
bool escape_leaves(std::string_view form);

struct EnterPass {
    const char* form;
    const char* source;
    const char* target;
};
// The boxes whose Enter presses the button beside them.
const std::vector<EnterPass>& enter_passes();

}  // namespace scanfee::ui
