#pragma once
// The radio buttons of one group box as a single keyboard stop, shared with
// the other views.
#include "ui/keyboard_order.h"

namespace scanfee::qtview {

using ui::radio_step;
using ui::radio_tab_stop;
using ui::radios_of;

}  // namespace scanfee::qtview
