#pragma once
// The top-level window of one form.
#include <QWidget>
#include <functional>

#include "ui/model.h"

namespace scanfee::qtview {

class FormWindow : public QWidget {
public:
    explicit FormWindow(const ui::Form& form);
    // Called instead of closing when the user closes the window by its frame:
    // the model decides which screens are shown.
    std::function<void()> on_frame_close;

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace scanfee::qtview
