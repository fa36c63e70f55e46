#pragma once
// The window program's options: which edition runs, and the date it takes
// for today (the clock's when not given).
#include <string>
#include <variant>
#include <vector>

#include "core/startup.h"

namespace scanfee::qtview {

inline constexpr const char* USAGE =
    "usage: scanfee [--edition shop|customer] [--today YYYY/MM/DD]";

struct CommandLineError {
    std::string message;  // what was wrong, followed by the usage line
};

// The arguments after the program name, Qt's own options already taken out.
// "--edition shop", "--edition=shop" and the like; the customer edition and
// the clock's date when an option is missing.
std::variant<StartOptions, CommandLineError> parse_command_line(
    const std::vector<std::string>& args);

}  // namespace scanfee::qtview
