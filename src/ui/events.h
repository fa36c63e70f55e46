#pragma once
// Events are raised by name ("BUTTON5_ON", "LIST1_CLICK"); the program
// handles exactly the events it has registered and ignores every other.
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace scanfee::ui {

using Handler = std::function<void()>;

class EventTable {
public:
    void on(std::string_view event, Handler handler);
    bool handles(std::string_view event) const;  // ignores case
    // Runs the handler of the event; false when the event has none.
    bool raise(std::string_view event) const;
    void clear() { handlers_.clear(); }

private:
    std::map<std::string, Handler, std::less<>> handlers_;  // keys in upper case
};

}  // namespace scanfee::ui
