#include "qt/key_handling.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <vector>

#include "ui/model.h"

namespace scanfee::qtview {

FormKeys::FormKeys(QWidget& window, FormKeyActions actions)
    : QObject(&window), window_(window), actions_(std::move(actions)) {}

void FormKeys::pass_enter(QWidget* source, QAbstractButton* target) {
    enter_targets_[source] = target;
}

void FormKeys::watch_all() {
    window_.installEventFilter(this);
    for (QWidget* w : window_.findChildren<QWidget*>()) w->installEventFilter(this);
}

QAbstractButton* FormKeys::enter_target(QWidget* w) const {
    for (; w && w != &window_; w = w->parentWidget()) {
        auto it = enter_targets_.find(w);
        if (it != enter_targets_.end()) return it->second.data();
    }
    return nullptr;
}

bool FormKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    // A drop-down list is a window of its own and keeps its own keys.
    if (!w || w->window() != &window_) return false;
    return key_press(w, static_cast<const QKeyEvent&>(*event));
}

bool FormKeys::key_press(QWidget* w, const QKeyEvent& key) {
    if (key.matches(QKeySequence::Print)) {
        if (!actions_.print) return false;
        actions_.print();
        return true;
    }
    if (key.matches(QKeySequence::Undo)) return actions_.undo && actions_.undo(w);
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier) return false;
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            // A held key presses once, not once per repeat.
            if (key.isAutoRepeat()) return true;
            if (QAbstractButton* target = enter_target(w)) {
                if (target->isVisible() && target->isEnabled()) target->click();
                return true;
            }
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                button->click();
                return true;
            }
            return false;
        }
        case Qt::Key_Escape:
            if (!actions_.escape) return false;
            if (!key.isAutoRepeat()) actions_.escape();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Left:
        case Qt::Key_Down:
        case Qt::Key_Right: {
            if (!qobject_cast<QRadioButton*>(w) || !actions_.radio_arrow) return false;
            const bool forward = key.key() == Qt::Key_Down || key.key() == Qt::Key_Right;
            actions_.radio_arrow(w, forward);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace scanfee::qtview
