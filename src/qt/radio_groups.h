#pragma once
// The radio buttons of one group box as a single keyboard stop: Tab reaches
// the checked one, the arrow keys walk the group.
#include <string_view>
#include <vector>

#include "ui/model.h"

namespace scanfee::qtview {

// The radio buttons of `group` on `form`, top to bottom, then left to right.
std::vector<ui::Control*> radios_of(const ui::Form& form, std::string_view group);
// The one the Tab key stops at: the checked one that is shown and enabled,
// else the first shown and enabled one; nullptr when there is none.
ui::Control* radio_tab_stop(const std::vector<ui::Control*>& radios);
// The next (or previous) shown and enabled radio button after `from`, wrapping
// round; nullptr when there is no other.
ui::Control* radio_step(const std::vector<ui::Control*>& radios, const ui::Control& from,
                        bool forward);

}  // namespace scanfee::qtview
