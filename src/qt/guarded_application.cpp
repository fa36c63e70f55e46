#include "qt/guarded_application.h"

#include "qt/event_dispatch.h"

namespace scanfee::qtview {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // The place named is this delivery of an event: Qt does not tell
        // which handler failed.
        rt::FatalReport report = SCANFEE_FATAL_REPORT();
        // A second failure while the report box is open (its own events come
        // through here) must not open another box over the first.
        if (reported_) return true;
        reported_ = true;
        report_ = report;
        show_fatal_report(report_);
        QCoreApplication::exit(report_.status);
        return true;
    }
}

}  // namespace scanfee::qtview
