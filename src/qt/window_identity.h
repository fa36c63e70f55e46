#pragma once
// Desktops match the program's windows with its launcher
// (scanfee-customer.desktop or scanfee-shop.desktop): by the launcher's name
// on Wayland and KDE, and on X11 by the instance name of the windows' class
// (WM_CLASS "scanfee-shop", "scanfee"), which the launcher names as its
// StartupWMClass. Call before the first window is created.
#include <QString>

namespace scanfee::qtview {

void identify_windows(const QString& launcher);

}  // namespace scanfee::qtview
