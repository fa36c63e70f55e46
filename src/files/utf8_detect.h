#pragma once
// Book lists that users import are often exported as UTF-8. Such a file is
// recognised and turned into the system's Shift-JIS before it is read; every
// other file is taken byte for byte.
#include <string>
#include <string_view>

namespace scanfee::files {

// The byte-order mark some programs put in front of UTF-8 text.
inline constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

// True when `bytes` start with the byte-order mark, or when they are valid
// UTF-8 throughout (shortest forms, no surrogates, nothing above U+10FFFF)
// and hold at least one multi-byte character. Plain ASCII is not UTF-8 in
// this sense: it reads the same either way.
bool is_utf8_text(std::string_view bytes);

// The text of an import file as the system holds it: UTF-8 text (as above)
// converted to Shift-JIS without its byte-order mark, every character
// without a Shift-JIS form and every malformed sequence becoming "？";
// anything else unchanged.
std::string import_text(std::string bytes);

}  // namespace scanfee::files
