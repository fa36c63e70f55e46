#pragma once
// The screens name Windows faces; Linux has the IPA faces of the same metrics
// instead. Without a substitution Qt falls back to a proportional Latin face,
// and the title list and statement lose their column alignment.
#include <QFont>
#include <string_view>

#include "ui/model.h"

namespace scanfee::qtview {

// Maps both spellings of each design face (full-width and ASCII) to its IPA
// face. Call once after the application object exists.
void install_font_substitutions();

// The substitutions, and the screens' face as the application's font. Call
// once after the application object exists.
void install_program_fonts();

// The design font at `scale`: the size is a character height in pixels.
// The IPA faces hold every character of the system's text but a few (see
// needs_other_faces), so a screen's text is drawn in its face alone: looking
// for the installed faces that could stand in for a character was the
// greater part of building a screen. With `other_faces`, characters the face
// lacks are drawn from other installed faces, as for any desktop text.
QFont design_font(const ui::Font& font, double scale, bool other_faces = false);

// The face and size of the screens' ordinary texts, at the screen's scale.
QFont screen_text_font(bool other_faces);

// Whether the system's text `sjis` holds a character the IPA faces lack: the
// summation sign (0x8794) and the user-defined characters (lead bytes
// 0xF0-0xF9), which only a face of the user's own may hold.
bool needs_other_faces(std::string_view sjis);

}  // namespace scanfee::qtview
