#pragma once
// The screens name Windows faces; Linux has the IPA faces of the same metrics
// instead. Without a substitution Qt falls back to a proportional Latin face,
// and the title list and statement lose their column alignment.
#include <QFont>

#include "ui/model.h"

namespace scanfee::qtview {

// Maps both spellings of each design face (full-width and ASCII) to its IPA
// face. Call once after the application object exists.
void install_font_substitutions();

// The design font at `scale`: the size is a character height in pixels.
QFont design_font(const ui::Font& font, double scale);

}  // namespace scanfee::qtview
