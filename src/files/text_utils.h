#pragma once
// Column alignment of text lines and whole numbers in full-width digits.
// Widths are Shift-JIS bytes: in a fixed-pitch face a byte is one column.
#include <string>
#include <string_view>

#include "runtime/numbers.h"

namespace scanfee::files {

// Pads ALIGN_LINES(1)..ALIGN_LINES(n) of the order state to one common byte
// width: mode 0 left-aligns, 1 centres, any other value right-aligns.
// ALIGN_LINES(0) becomes a line of blanks of that width.
void 文字列整理_SUB(rt::int16 mode, rt::int16 n);

// The decimal text of a whole number (with or without its sign column) in
// full-width digits with a half-width "," every three digits and a
// full-width minus: "-12000" gives "－１２,０００".
void 全角数字化_SUB(std::string& s);

// Every half-width character replaced by its full-width counterpart.
std::string full_width(std::string_view text);

}  // namespace scanfee::files
