#pragma once
// Acting on the screens with the keyboard alone, as a user does.
#include <QTest>
#include <QWidget>
#include <string>

#include "qt/screen_view.h"
#include "ui/model.h"

namespace scanfee::qtview::testing {

// The control name of the widget that has the focus in `window`: a widget
// inside a control (the edit field of a combo box) answers for the control.
inline std::string focus_name(QWidget* window) {
    for (QWidget* w = window ? window->focusWidget() : nullptr; w && w != window;
         w = w->parentWidget())
        if (!w->objectName().isEmpty()) return ui::upper_name(w->objectName().toStdString());
    return {};
}

// A key pressed and released on whatever has the focus in `window`.
inline void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, mods);
}

}  // namespace scanfee::qtview::testing
