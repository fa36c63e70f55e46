#include "ui/events.h"

#include "ui/model.h"

namespace scanfee::ui {

void EventTable::on(std::string_view event, Handler handler) {
    handlers_[upper_name(event)] = std::move(handler);
}

bool EventTable::handles(std::string_view event) const {
    return handlers_.find(upper_name(event)) != handlers_.end();
}

bool EventTable::raise(std::string_view event) const {
    auto it = handlers_.find(upper_name(event));
    if (it == handlers_.end()) return false;
    // Copy: a handler may replace the table's entries while it runs.
    Handler handler = it->second;
    handler();
    return true;
}

}  // namespace scanfee::ui
