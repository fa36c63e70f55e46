#pragma once
// The screen model described in JSON, for a view outside the program's own
// language (the browser page): every form with every control, and later the
// parts of a control that changed. Texts are turned from the system's
// Shift-JIS into UTF-8 here.
#include <string>
#include <string_view>

#include "ui/model.h"

namespace scanfee::ui {

// A set of Prop values.
using PropSet = unsigned;
inline constexpr PropSet ALL_PROPS = ~0u;
constexpr PropSet prop_bit(Prop prop) { return 1u << static_cast<unsigned>(prop); }

// {"name":…} with the state of `props`. Names are in upper case, the one
// spelling of a name whose case the program ignores ("BUTTON12" for a
// control designed as "button12"). with ALL_PROPS also what never
// changes (kind, alignment, group, multiple selection, read-only, lines):
//   Text "text"; Visible "visible"; Enabled "enabled"; Checked "checked";
//   Items "items" (and the selection); Selection "selected", "selectedRows"
//   for a multiple-selection list; Scroll "pos" "min" "max" "small" "large";
//   Limits "digitsOnly" "maxLength" (bytes, 0: none) "ime" (on, off,
//   default); Font "font" {"face","size"}; Colors "fg" "bg" (#rrggbb);
//   Geometry "x" "y" "w" "h".
std::string control_json(const Control& control, PropSet props);

// A form whole: its own state, "frame", its controls in design order, and
// its keyboard: "escape" (Esc leaves it) and "enter" ({box: button}).
std::string form_json(const Form& form);

// A JSON string literal of UTF-8 text (the converter's output or ASCII).
std::string json_string(std::string_view utf8);

}  // namespace scanfee::ui
