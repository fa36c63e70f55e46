#include "app/start_options.h"

#include "runtime/clock.h"

namespace scanfee::app {

const char* const WINDOW_PROGRAM_USAGE =
    "usage: scanfee [--edition shop|customer] [--today YYYY/MM/DD]\n"
    "       scanfee --print-pdf PAPER.TXT OUT.pdf\n";
const char* const DRIVER_USAGE =
    "usage: scanfee-run [--edition shop|customer] [--today YYYY/MM/DD] [--recovery DIR] [SCRIPT]\n";

bool asks_for_help(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") return true;
    return false;
}

std::variant<CommandLine, CommandLineError> parse_command_line(const std::vector<std::string>& args,
                                                               bool takes_script) {
    CommandLine line;
    if (asks_for_help(args)) {
        line.help = true;
        return line;
    }
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        bool has_value = false;
        if (size_t eq = name.find('='); name.starts_with("--") && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            has_value = true;
        }
        const bool known = name == "--edition" || name == "--today" ||
                           (takes_script && name == "--recovery");
        if (!known) {
            if (takes_script && line.script.empty() && !name.starts_with("-")) {
                line.script = name;
                continue;
            }
            return CommandLineError{"unknown argument " + args[i]};
        }
        if (!has_value) {
            if (i + 1 >= args.size()) return CommandLineError{name + " needs a value"};
            value = args[++i];
        }
        if (name == "--edition") {
            if (value == "shop") {
                line.options.edition = EDITION_SHOP;
            } else if (value == "customer") {
                line.options.edition = EDITION_CUSTOMER;
            } else {
                return CommandLineError{"unknown edition " + value};
            }
        } else if (name == "--recovery") {
            if (value.empty()) return CommandLineError{"--recovery needs a folder"};
            line.recovery_folder = value;
        } else {
            if (!rt::is_date_text(value)) return CommandLineError{"not a date YYYY/MM/DD: " + value};
            line.options.today = value;
        }
    }
    return line;
}

}  // namespace scanfee::app
