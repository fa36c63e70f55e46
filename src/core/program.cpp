#include "core/program.h"

#include <memory>

#include "core/order_state.h"
#include "files/recovery.h"
#include "files/title_import.h"
#include "runtime/clock.h"
#include "screens/controls.h"
#include "screens/title_list_undo.h"

namespace scanfee {
namespace {
std::unique_ptr<ui::ScreenModel> the_model = std::make_unique<ui::ScreenModel>();
ui::EventTable the_events;
bool the_end_request = false;
}  // namespace

ui::ScreenModel& screen_model() { return *the_model; }
ui::EventTable& event_table() { return the_events; }
bool end_requested() { return the_end_request; }
void request_end() { the_end_request = true; }

void reset_program() {
    reset_order();
    files::reset_import();
    screens::scr() = screens::Controls{};
    the_model = std::make_unique<ui::ScreenModel>();
    the_events.clear();
    the_end_request = false;
    files::stop_recovery();
    screens::forget_removed_titles();
    rt::fix_today({});
}

}  // namespace scanfee
