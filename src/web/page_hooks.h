#pragma once
// Work the page does beside the screens at fixed moments of the run. The
// copy of the order kept in the browser's storage belongs here: it is
// offered back once the program has started, and written after every
// handled event.
#include <functional>
#include <vector>

namespace scanfee::web {

struct PageHooks {
    // After start-up, the summary screen shown; dialogs may be opened.
    std::vector<std::function<void()>> after_start;
    // After every event the program handled, its deferred work included.
    std::vector<std::function<void()>> after_event;
};

PageHooks& page_hooks();

}  // namespace scanfee::web
