#pragma once
// A group box drawn as on the platform the screens were designed for: the
// frame line runs through the middle of the caption, the caption interrupts
// it, and only the inside of the frame takes the box's background.
#include <QGroupBox>

namespace scanfee::qtview {

class GroupBox : public QGroupBox {
public:
    explicit GroupBox(QWidget* parent) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace scanfee::qtview
