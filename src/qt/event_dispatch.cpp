#include "qt/event_dispatch.h"

#include <QApplication>
#include <QMessageBox>
#include <optional>

#include "core/main_loop.h"
#include "core/program.h"
#include "qt/dialog_look.h"
#include "qt/qt_text.h"
#include "runtime/fatal.h"
#include "screens/handlers.h"
#include "ui/user_actions.h"

namespace scanfee::qtview {

void show_fatal_report(const FatalReport& report) {
    QMessageBox box(report.last_resort ? QMessageBox::Critical : QMessageBox::Warning,
                    to_qt(report.caption), unix_line_ends(to_qt(report.text)), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    apply_dialog_look(box);
    box.exec();
}

RunEndings application_endings() {
    RunEndings endings;
    endings.on_end = [] { QCoreApplication::exit(0); };
    endings.on_fatal = [](const FatalReport& report) {
        show_fatal_report(report);
        QCoreApplication::exit(report.status);
    };
    return endings;
}

bool EventDispatcher::act(ui::Control& control, const Action& action) {
    if (busy_ || ended_ || !ui::user_can_reach(control)) return false;
    return run([&] { handle_event(action(control)); });
}

bool EventDispatcher::frame_closed(ui::Form& form) {
    if (busy_ || ended_ || !form.visible()) return false;
    const std::string event = screens::frame_close_event(form);
    return run([&] { handle_event(event); });
}

bool EventDispatcher::run(const std::function<void()>& body) {
    busy_ = true;
    std::optional<FatalReport> report;
    // No exception may cross Qt's event loop. One that is not the program's
    // own fatal error is reported at this place: the dispatch of the event
    // that failed.
    try {
        body();
    } catch (...) {
        report = SCANFEE_FATAL_REPORT();
    }
    busy_ = false;
    if (report) {
        ended_ = true;
        if (endings_.on_fatal) endings_.on_fatal(*report);
        return true;
    }
    if (end_requested()) {
        ended_ = true;
        if (endings_.on_end) endings_.on_end();
    }
    return true;
}

}  // namespace scanfee::qtview
