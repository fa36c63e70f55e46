#pragma once
// What a user's action does to a control before its event is raised. The Qt
// view and the driver both go through these, so a click or a keystroke has
// the same effect in the window program and in a script. Each returns the
// name of the event the action raises.
#include <string>
#include <string_view>

#include "ui/model.h"

namespace scanfee::ui {

// Button, check box or radio button: a check box toggles; a radio button
// becomes checked and the other radio buttons of its group are unchecked.
std::string user_click(Control& control);
// Edit box or the combo box's edit field: the whole text replaced by `typed`
// under the box's limits.
std::string user_type(Control& control, std::string_view typed);
// List box: a click on `row` (-1 below the last row); the multiple-selection
// list toggles that row. Combo box: entry `row` chosen, its text put into the
// edit field.
std::string user_select(Control& control, int row);
// Scroll bar moved to `pos`, clamped to its range.
std::string user_scroll(Control& control, int pos);

// Ctrl+Z in a list box: takes back what the last action on its rows did
// (the title list brings back the titles "全タイトル消去" removed).
std::string user_undo(Control& control);

// Whether a user could reach the control: it and its form are visible and
// enabled.
bool user_can_reach(const Control& control);

}  // namespace scanfee::ui
