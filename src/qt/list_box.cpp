#include "qt/list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace scanfee::qtview {

void ListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (on_click) on_click(index.isValid() ? index.row() : -1);
}

// The second press of a double click is a click of its own, as on the
// platform the screens were designed for; the widget's own double-click
// handling (item editing, activation) has no place here.
void ListBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

// Dragging over rows would select them behind the model's back.
void ListBox::mouseMoveEvent(QMouseEvent*) {}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && on_click) {
        if (currentRow() >= 0) on_click(currentRow());
        return;
    }
    const QList<QListWidgetItem*> selected = selectedItems();
    QListWidget::keyPressEvent(event);
    const QSignalBlocker block(this);
    clearSelection();
    for (QListWidgetItem* item : selected) item->setSelected(true);
}

}  // namespace scanfee::qtview
