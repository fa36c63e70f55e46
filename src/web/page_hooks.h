#pragma once
// Work the page does beside the screens at fixed moments of the run. The
// copy of the order kept in the browser's storage belongs here: it is
// offered back once the program has started, written after every handled
// event, and settled when the end button ends the run.
#include <functional>
#include <vector>

namespace scanfee::web {

struct PageHooks {
    // After start-up, the summary screen shown; dialogs may be opened.
    std::vector<std::function<void()>> after_start;
    // After every event the program handled, its deferred work included,
    // unless it ended the run.
    std::vector<std::function<void()>> after_event;
    // After the event that ended the run by the end button.
    std::vector<std::function<void()>> at_end;
};

PageHooks& page_hooks();

}  // namespace scanfee::web
