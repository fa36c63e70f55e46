#pragma once
// The keyboard order of every screen, shared with the other views.
#include "ui/keyboard_order.h"

namespace scanfee::qtview {

using ui::focus_order;
using ui::focus_order_table;
using ui::FormFocus;

}  // namespace scanfee::qtview
