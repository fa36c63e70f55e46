#pragma once
// The command line shared by the window program and the driver.
#include <string>

#include "core/startup.h"

namespace scanfee::app {

// Reads --edition shop|customer and --today YYYY/MM/DD into `options`. A
// further plain argument is taken as `script` when the caller passes one.
// Returns a message on a bad command line, empty when it is fine.
std::string parse_start_options(int argc, char** argv, StartOptions& options,
                                std::string* script = nullptr);

}  // namespace scanfee::app
