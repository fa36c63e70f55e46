#pragma once
// The keys a desktop user expects on every screen: Enter presses the focused
// push button (or the button a box hands its Enter to), Esc leaves the screens
// that have a way back, the arrow keys walk a radio group, Ctrl+P prints,
// Ctrl+Z in a list takes back what was done to its rows.
#include <QObject>
#include <QPointer>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/keyboard_order.h"

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace scanfee::qtview {

struct FormKeyActions {
    // Esc; empty where Esc does nothing (the summary screen: Esc must never
    // end the run).
    std::function<void()> escape;
    // An arrow key on a radio button; returns whether it moved.
    std::function<bool(QWidget* radio, bool forward)> radio_arrow;
    // Ctrl+P; empty where there is nothing to print.
    std::function<void()> print;
    // Ctrl+Z in `focused`; returns whether it was the window's to take (a
    // list box), so that a text box keeps its own undo.
    std::function<bool(QWidget* focused)> undo;
};

// Watches every widget of one form window.
class FormKeys : public QObject {
public:
    FormKeys(QWidget& window, FormKeyActions actions);
    // Enter in `source` (or in a widget inside it) clicks `target`.
    void pass_enter(QWidget* source, QAbstractButton* target);
    // Starts watching the window's widgets; call once they all exist.
    void watch_all();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key_press(QWidget* w, const QKeyEvent& key);
    QAbstractButton* enter_target(QWidget* w) const;

    QWidget& window_;
    FormKeyActions actions_;
    std::unordered_map<const QWidget*, QPointer<QAbstractButton>> enter_targets_;
};

}  // namespace scanfee::qtview
