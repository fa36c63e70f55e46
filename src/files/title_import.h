#pragma once
// Title names imported from a user's text or CSV file, in steps that the
// main loop runs for the import screen's buttons.
#include "runtime/numbers.h"

namespace scanfee::files {

// Runs import step `code`: 1 read the file, 2 add the selected source fields,
// 3 remove the selected title fields, 4 transfer the titles.
void run_import_step(rt::int16 code);

// Refills the two lists of the import screen from the import's working data.
void LIST_RESET();

}  // namespace scanfee::files
