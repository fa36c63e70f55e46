#pragma once
// The program's dialogs look like its screens: their texts in the screens'
// face and size, and plain text buttons without the desktop theme's icons.
class QWidget;
class QFont;

namespace scanfee::qtview {

// The face and size of the screens' ordinary texts. Dialogs show file names,
// which may hold any character: they draw what the face lacks from other
// faces (`other_faces`).
QFont screen_text_font(bool other_faces = true);

// Applies the look to `dialog` and to the buttons it holds now.
void apply_dialog_look(QWidget& dialog);

}  // namespace scanfee::qtview
