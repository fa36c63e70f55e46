#pragma once
// Shows a control's model state in its widget. The widget's signals are
// blocked meanwhile, so a mirrored change never reads as a user's action.
#include <QRect>
#include <QWidget>

#include "ui/model.h"

namespace scanfee::qtview {

// Design pixels to screen pixels.
QRect scaled(const ui::Rect& r, double scale);

// One property of `control` (a form's window or a control's widget).
void mirror(const ui::Control& control, QWidget& widget, ui::Prop prop, double scale);
// A wrapped label of a hidden window grows to its text's height only when
// the window is about to be shown: this does it, for a label that waits.
void fit_pending_label(const ui::Control& control, QWidget& widget, double scale);
// Every property.
void mirror_all(const ui::Control& control, QWidget& widget, double scale);

}  // namespace scanfee::qtview
