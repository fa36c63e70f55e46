#pragma once
// The command line shared by the window program and the driver:
//   [--edition shop|customer] [--today YYYY/MM/DD] [--recovery DIR] [SCRIPT]
// "--edition=shop" and "--today=2016/04/29" are read as well. Only the
// driver takes --recovery and a script.
#include <string>
#include <variant>
#include <vector>

#include "core/startup.h"

namespace scanfee::app {

struct CommandLine {
    StartOptions options;  // the customer edition and the clock's date by default
    std::string script;    // the driver's script; empty for standard input
    std::string recovery_folder;  // the driver's state folder; empty: no recovery copy
    bool help = false;            // --help or -h: print the usage and start nothing
};

// What was wrong with the arguments.
struct CommandLineError {
    std::string message;
};

// The usage lines of the window program and of the driver.
extern const char* const WINDOW_PROGRAM_USAGE;
extern const char* const DRIVER_USAGE;

// Whether the arguments ask for the usage alone (--help or -h anywhere).
bool asks_for_help(const std::vector<std::string>& args);

// The arguments after the program name. Only the driver takes a script.
std::variant<CommandLine, CommandLineError> parse_command_line(const std::vector<std::string>& args,
                                                               bool takes_script);

}  // namespace scanfee::app
