#pragma once
// The run: the screen model with its forms, the table of handled events and
// the end request. One per process, like the order; tests reset it.
#include <string_view>

#include "ui/events.h"
#include "ui/model.h"

namespace scanfee {

ui::ScreenModel& screen_model();
ui::EventTable& event_table();

// Set by the end button; the window program and the driver end the run when
// they see it after an event.
bool end_requested();
void request_end();

// A fresh run: empty order, new screens (unbound), no handlers, no end
// request, today's date from the clock again. The dialog service is left as
// it is.
void reset_program();

}  // namespace scanfee
