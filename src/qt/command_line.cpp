#include "qt/command_line.h"

#include "runtime/clock.h"

namespace scanfee::qtview {

namespace {

CommandLineError error(const std::string& what) {
    return CommandLineError{"scanfee: " + what + "\n" + USAGE};
}

}  // namespace

std::variant<StartOptions, CommandLineError> parse_command_line(
    const std::vector<std::string>& args) {
    StartOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        bool has_value = false;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            has_value = true;
        }
        if (name != "--edition" && name != "--today") return error("unknown argument " + args[i]);
        if (!has_value) {
            if (i + 1 >= args.size()) return error(name + " needs a value");
            value = args[++i];
        }
        if (name == "--edition") {
            if (value == "shop") {
                options.edition = EDITION_SHOP;
            } else if (value == "customer") {
                options.edition = EDITION_CUSTOMER;
            } else {
                return error("unknown edition " + value);
            }
        } else {
            if (!rt::is_date_text(value)) return error("not a date YYYY/MM/DD: " + value);
            options.today = value;
        }
    }
    return options;
}

}  // namespace scanfee::qtview
