#pragma once
// The order a screen reader reads a screen in, for every view: the order of
// the Tab key, with the controls the keyboard does not stop at (labels,
// amounts, radio buttons past their group's stop) where the eye meets them.
#include <vector>

#include "ui/model.h"

namespace scanfee::ui {

// Every control of `form` once, shown or not. The stops of the keyboard
// order keep their order, a group box is followed by its radio buttons, a
// label that names a control comes just before it, and every other control
// comes before the first stop of its column that lies after it, top to
// bottom and left to right within a row. A form without a keyboard order is
// read in its design order.
std::vector<const Control*> reading_order(const Form& form);

}  // namespace scanfee::ui
