#include "qt/scroll_bar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace scanfee::qtview {

ScrollBar::ScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ScrollBar::keyPressEvent(QKeyEvent* event) {
    // A scroll bar inverts its keys so that Page Up scrolls a page upwards;
    // this one sets a value, and up, right and Page Up make it larger.
    SliderAction action = SliderNoAction;
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Up:
            action = SliderSingleStepAdd;
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            action = SliderSingleStepSub;
            break;
        case Qt::Key_PageUp:
            action = SliderPageStepAdd;
            break;
        case Qt::Key_PageDown:
            action = SliderPageStepSub;
            break;
        case Qt::Key_Home:
            action = SliderToMinimum;
            break;
        case Qt::Key_End:
            action = SliderToMaximum;
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
    }
    if (event->modifiers() & ~Qt::KeypadModifier) {
        event->ignore();
        return;
    }
    triggerAction(action);
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
