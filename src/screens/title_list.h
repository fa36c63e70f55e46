#pragma once
// The title list (FORM2): the titles of the open category with their number,
// total and gift mark, then "タイトルを追加" while the category has room.
#include <string>

#include "ui/events.h"

namespace scanfee::screens {

void LIST1_ADD();
void LIST1_CLICK();
void BUTTON20_ON();

// The row "タイトルを追加".
std::string add_title_row();

void register_title_list(ui::EventTable& events);

}  // namespace scanfee::screens
