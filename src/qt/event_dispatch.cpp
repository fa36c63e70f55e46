#include "qt/event_dispatch.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <new>
#include <optional>

#include "core/main_loop.h"
#include "core/program.h"
#include "qt/dialog_look.h"
#include "qt/qt_text.h"
#include "runtime/fatal.h"
#include "runtime/sjis.h"
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

FatalReport fatal_report(std::exception_ptr error) {
    FatalReport report;
    report.caption = rt::FatalError::caption();
    try {
        std::rethrow_exception(error);
    } catch (const rt::FatalError& e) {
        report.text = e.report_text();
    } catch (const std::bad_alloc&) {
        report.text = rt::FatalError(rt::ERR_OUT_OF_MEMORY, __FILE_NAME__, __LINE__).report_text();
    } catch (const std::exception& e) {
        // No exception may cross Qt's event loop; a fault the program did not
        // foresee still ends the run with a report rather than an abort.
        report.last_resort = true;
        report.text = rt::to_sjis("続行不可能なエラーが発生しました ") + e.what() + "\r\n";
    } catch (...) {
        report.last_resort = true;
        report.text = rt::to_sjis("続行不可能なエラーが発生しました\r\n");
    }
    return report;
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
    try {
        body();
    } catch (...) {
        report = fatal_report(std::current_exception());
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
