#pragma once
// One line of an import file split into its comma-separated fields, with
// double-quoted fields whose escaped quotes stay written as two quotes.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace scanfee::files {

// Stands for an escaped double quote while a line is split; no Shift-JIS
// text holds these two bytes.
inline constexpr std::string_view QUOTE_MARKER = "\xFF\xFF";

// Splits `line` into `fields` (which it replaces), field 0 first. On line 0
// (`line_number` 0, the header) an empty field before a comma reads
// "（空白）"; elsewhere it is empty. A trailing comma adds no field. Fields
// from number `room` on are not kept. Returns the number of the last field
// the line reaches, which is the number of commas that separate its fields.
int INDATA(std::string_view line, int line_number, std::vector<std::string>& fields,
           std::size_t room = std::numeric_limits<std::size_t>::max());

// Every marker in `field` replaced by two double quotes.
void MOJI_SUB(std::string& field);

}  // namespace scanfee::files
