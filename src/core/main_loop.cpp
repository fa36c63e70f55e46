#include "core/main_loop.h"

#include "core/order_state.h"
#include "core/program.h"
#include "files/recovery.h"
#include "files/title_import.h"

namespace scanfee {

bool handle_event(std::string_view event) {
    bool handled = event_table().raise(event);
    run_pending_action();
    files::keep_recovery_copy();
    return handled;
}

void run_pending_action() {
    OrderState& s = order();
    int16 code = s.PENDING_ACTION;
    if (code == 0) return;
    if (code >= 1 && code <= 4) files::run_import_step(code);
    if (code < 4) files::LIST_RESET();
    s.PENDING_ACTION = 0;
}

}  // namespace scanfee
