#pragma once
#include <string>

namespace scanfee::rt {

// Today's date as 10 bytes "YYYY/MM/DD": the fixed date when one is set,
// otherwise the local clock at this moment.
std::string today_text();

// Fixes the date today_text() gives for the rest of the run (a run started
// with --today); an empty text goes back to the local clock.
void fix_today(std::string date);

// Whether `text` is a date of the form "YYYY/MM/DD" with a real month and day.
bool is_date_text(const std::string& text);

}  // namespace scanfee::rt
