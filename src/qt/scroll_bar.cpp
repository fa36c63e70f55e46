#include "qt/scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace scanfee::qtview {

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

namespace {

// A scroll bar inverts its keys so that Page Up scrolls a page upwards; this
// one sets a value, and up, right and Page Up make it larger.
struct KeyAction {
    int key;
    QAbstractSlider::SliderAction action;
};
constexpr KeyAction KEY_ACTIONS[] = {
    {Qt::Key_Right, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_Up, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_Left, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Down, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_PageDown, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, QAbstractSlider::SliderToMaximum},
};

}  // namespace

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    for (const KeyAction& k : KEY_ACTIONS) {
        if (k.key != event->key()) continue;
        // With a modifier the key means something else to someone else.
        if (event->modifiers() & ~Qt::KeypadModifier)
            event->ignore();
        else
            triggerAction(k.action);
        return;
    }
    QScrollBar::keyPressEvent(event);
}

void ScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    // The style draws no focus for scroll bars; without a frame the user
    // could not tell that the arrow keys now move the resolution.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight));
    pen.setWidth(2);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace scanfee::qtview
