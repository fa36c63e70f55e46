#pragma once
// Moving between the screens: the category buttons, the way back to the
// summary, the end button, the summary's payment fields and the import
// screen's buttons, which hand their work to the main loop.
#include <string>

#include "runtime/numbers.h"
#include "ui/events.h"

namespace scanfee::screens {

// Opens the title list of a category (the category buttons).
void open_category(rt::int16 category);
// The caption of the title list screen for a category.
std::string title_list_caption(rt::int16 category);

void register_navigation(ui::EventTable& events);

}  // namespace scanfee::screens
