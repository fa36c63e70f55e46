#pragma once
// The notice that a category cannot take more titles at once.
#include <string>

#include "runtime/numbers.h"

namespace scanfee::screens {

// Caption and text of the notice for `category`: "コミックは２０冊までです。".
std::string title_limit_caption();
std::string title_limit_text(rt::int16 category);

// Shows the notice (information icon, OK) over FORM4, the import screen.
void show_title_limit_message(rt::int16 category);

}  // namespace scanfee::screens
