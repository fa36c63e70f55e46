#pragma once
// Runs the program's side of a user action: the action on the model, the
// event's handler and deferred work, then the checks for a fatal error and
// for the end of the run.
#include <exception>
#include <functional>
#include <string>

#include "runtime/fatal.h"
#include "ui/model.h"

namespace scanfee::qtview {

// The report of a failure that ends the run (texts in CP932).
using FatalReport = rt::FatalReport;

struct RunEndings {
    // The end button (or the summary screen's frame) asked to end the run.
    std::function<void()> on_end;
    // A failure ended the run.
    std::function<void(const FatalReport&)> on_fatal;
};

// The report box: a warning box, or the stop icon for the last resort.
void show_fatal_report(const FatalReport& report);

// The endings of the window program: quit the event loop with status 0, or
// show the report first and quit with its status.
RunEndings application_endings();

class EventDispatcher {
public:
    using Action = std::function<std::string(ui::Control&)>;

    explicit EventDispatcher(RunEndings endings) : endings_(std::move(endings)) {}

    // Applies `action` (one of the ui::user_* functions) to `control` and
    // raises the event it names. An action on a control the user cannot
    // reach, or one that arrives while another event is still being handled
    // (a widget of a window the modal dialog does not cover), is dropped.
    // Returns whether the action was taken.
    bool act(ui::Control& control, const Action& action);
    // A form closed by its window frame: raises the event of the screen's
    // own way out instead.
    bool frame_closed(ui::Form& form);

    bool busy() const { return busy_; }
    bool ended() const { return ended_; }

private:
    bool run(const std::function<void()>& body);

    RunEndings endings_;
    bool busy_ = false;
    bool ended_ = false;
};

}  // namespace scanfee::qtview
