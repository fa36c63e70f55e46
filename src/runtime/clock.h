#pragma once
#include <string>

namespace scanfee::rt {

// Today's date from the local clock as 10 bytes "YYYY/MM/DD".
std::string today_text();

// Whether `text` is a date of the form "YYYY/MM/DD" with a real month and day.
bool is_date_text(const std::string& text);

}  // namespace scanfee::rt
