#pragma once
// How the driver shows the fatal error report: on its output instead of in a
// box, then the run ends with the report's status.
#include <ostream>

#include "runtime/fatal.h"

namespace scanfee::driver {

// The caption, then the text on lines of their own in UTF-8, without the CR
// of the CR LF line ends. Returns the exit status (3).
int print_fatal_report(const rt::FatalReport& report, std::ostream& out);

}  // namespace scanfee::driver
