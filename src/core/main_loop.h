#pragma once
// The main loop between user events: each event is handled to its end by its
// handler, then the deferred action that a handler left in PENDING_ACTION
// runs, and the code goes back to 0.
#include <string_view>

namespace scanfee {

// One user event: the handler named after it (if the program has one), then
// the deferred action, then the recovery copy when one is kept. Returns
// whether the event had a handler.
bool handle_event(std::string_view event);

// Runs the work for PENDING_ACTION (codes 1 to 4 are the steps of the title
// import; other codes run nothing) and sets it back to 0.
void run_pending_action();

}  // namespace scanfee
