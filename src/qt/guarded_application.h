#pragma once
// The window program's application object. Events of the program's own
// screens go through the EventDispatcher, which reports a failure itself;
// this is the last resort for an exception from anywhere else in Qt's event
// delivery (a paint, a timer, a view update), so that it too ends the run
// through the fatal error report instead of crossing Qt's event loop.
#include <QApplication>

#include "runtime/fatal.h"

namespace scanfee::qtview {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;

    // The report of the failure that ended the run, if one did.
    const rt::FatalReport* report() const { return reported_ ? &report_ : nullptr; }

private:
    bool reported_ = false;
    rt::FatalReport report_;
};

}  // namespace scanfee::qtview
