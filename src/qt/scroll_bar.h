#pragma once
// A horizontal scroll bar the keyboard can reach: the arrow keys move it by
// its small step, Page Up and Page Down by its large step, and it shows a
// focus frame while it has the focus.
#include <QScrollBar>

namespace scanfee::qtview {

class ScrollBar : public QScrollBar {
public:
    explicit ScrollBar(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace scanfee::qtview
