#pragma once
// A list box whose selection belongs to the model: a click or the keyboard
// only reports the row the user chose; the model then decides what is
// selected and the view mirrors it back.
#include <QListWidget>
#include <functional>

namespace scanfee::qtview {

class ListBox : public QListWidget {
public:
    explicit ListBox(QWidget* parent) : QListWidget(parent) {}
    // Called with the row clicked, or -1 for a click below the last row.
    // Space and Enter click the caret's row; the other keys move the caret
    // and leave the selection as the model has it.
    std::function<void(int row)> on_click;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace scanfee::qtview
