#pragma once
// The program's dialogs look like its screens: their texts in the screens'
// face and size, and plain text buttons without the desktop theme's icons.
class QWidget;

namespace scanfee::qtview {

// Applies the look to `dialog` and to the buttons it holds now.
void apply_dialog_look(QWidget& dialog);

}  // namespace scanfee::qtview
