#pragma once
// One real widget per control kind, wired so that what the user does reaches
// the model as an action, never as a direct change of the widget's state.
#include <QString>
#include <QWidget>
#include <functional>

#include "ui/model.h"

namespace scanfee::qtview {

// Where the widgets send the user's actions; text is the widget's own text.
struct UserActionSink {
    std::function<void(ui::Control&)> click;
    std::function<void(ui::Control&, const QString& text)> type;
    std::function<void(ui::Control&, int row)> select;
    std::function<void(ui::Control&, int pos)> scroll;
};

// Creates the widget of `control` inside `parent`, named after the control.
// Its state is left for the mirror to set.
QWidget* create_control_widget(ui::Control& control, QWidget* parent, const UserActionSink& sink);

}  // namespace scanfee::qtview
