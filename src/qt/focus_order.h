#pragma once
// The keyboard order of every screen: the designs place the controls but say
// nothing of focus, so the view keeps it as its own data.
#include <cstddef>
#include <string_view>
#include <vector>

namespace scanfee::qtview {

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

}  // namespace scanfee::qtview
