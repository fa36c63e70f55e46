#pragma once
// The handled events of the screens, registered by name.
#include <string>

#include "ui/events.h"
#include "ui/model.h"

namespace scanfee::screens {

void register_handlers(ui::EventTable& events);

// The event that closing a form by its window frame raises: the summary
// screen ends the program as its end button does; every other screen goes
// back the way its own button does.
std::string frame_close_event(const ui::Form& form);

}  // namespace scanfee::screens
