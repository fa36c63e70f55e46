#pragma once
// What a screen reader finds in the window program: each screen a window
// named by its caption that reads its controls in the screen model's
// reading order, the radio buttons as radio buttons labelled by their group
// box, the resolution bar's value spoken with its unit, and every box, list
// and amount named as the design names it.
#include <QString>

class QWidget;
class QScrollBar;

namespace scanfee::ui {
class Control;
}

namespace scanfee::qtview {

// Puts the interfaces above in place, once a run, before any window shows;
// every other widget keeps the toolkit's own.
void install_accessibility();

// Marks a widget as it is made, for the interface it gets: a radio button
// with its group box's name, the scroll bar with the unit of its value.
void mark_for_accessibility(const ui::Control& control, QWidget& w);

// Names `w` as the design names `control`: by `label` (its buddy), or by a
// name of its own. An amount keeps its text as its name and is described
// by a name of its own.
void name_control(const ui::Control& control, QWidget& w, QWidget* label);

// The scroll bar's value as spoken, "156 dpi"; also its description, for
// the readers that read no value text.
QString spoken_value(const QScrollBar& bar);
void describe_value(QScrollBar& bar);

}  // namespace scanfee::qtview
