#include "qt/window_identity.h"

#include <QGuiApplication>

namespace scanfee::qtview {

void identify_windows(const QString& launcher) {
    QGuiApplication::setDesktopFileName(launcher);
    // The X11 convention for the instance name of a program's windows; Qt
    // reads it when it creates the first window.
    qputenv("RESOURCE_NAME", launcher.toLocal8Bit());
}

}  // namespace scanfee::qtview
