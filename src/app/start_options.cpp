#include "app/start_options.h"

#include "runtime/clock.h"

namespace scanfee::app {

std::string parse_start_options(int argc, char** argv, StartOptions& options,
                                std::string* script) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--edition" || arg == "--today") {
            if (i + 1 >= argc) return arg + " needs a value";
            std::string value = argv[++i];
            if (arg == "--edition") {
                if (value == "shop") options.edition = EDITION_SHOP;
                else if (value == "customer") options.edition = EDITION_CUSTOMER;
                else return "--edition takes shop or customer, not " + value;
            } else {
                if (!rt::is_date_text(value)) return "--today takes a date YYYY/MM/DD, not " + value;
                options.today = value;
            }
        } else if (script && script->empty() && !arg.starts_with("--")) {
            *script = arg;
        } else {
            return "unexpected argument " + arg;
        }
    }
    return {};
}

}  // namespace scanfee::app
