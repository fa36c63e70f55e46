#pragma once
// The notice beside a text box that names the characters an edit left out
// ("「ë」「𠮷」は使えない文字です"): shown at once under the box, over the
// screen, and gone after a while or with the next notice.
#include <QString>

class QWidget;

namespace scanfee::qtview {

// Shows `text` under `box` (above it where the window ends first).
void show_refusal_notice(QWidget& box, const QString& text);

// The notice shown in `window` now, or nullptr (for tests).
QWidget* shown_refusal_notice(const QWidget& window);

}  // namespace scanfee::qtview
