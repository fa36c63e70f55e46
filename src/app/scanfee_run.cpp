// scanfee-run: the headless driver. Starts the program exactly as the window
// program does, but the forms exist only in the screen model, and a script
// of user events takes the place of the user.
#include <fstream>
#include <iostream>

#include "app/driver/driver_error.h"
#include "app/driver/fatal_output.h"
#include "app/driver/script_runner.h"
#include "app/recovery_start.h"
#include "app/start_options.h"
#include "core/startup.h"
#include "runtime/fatal.h"

using namespace scanfee;

namespace {

int run(int argc, char** argv) {
    const auto parsed = app::parse_command_line({argv + 1, argv + argc}, true);
    if (const auto* bad = std::get_if<app::CommandLineError>(&parsed)) {
        std::cerr << "scanfee-run: " << bad->message << "\n" << app::DRIVER_USAGE;
        return 2;
    }
    if (std::get<app::CommandLine>(parsed).help) {
        std::cout << app::DRIVER_USAGE;
        return 0;
    }

    const StartOptions options = std::get<app::CommandLine>(parsed).options;
    const std::string script_path = std::get<app::CommandLine>(parsed).script;
    const std::string recovery_folder = std::get<app::CommandLine>(parsed).recovery_folder;
    std::ifstream file;
    if (!script_path.empty()) {
        file.open(script_path, std::ios::binary);
        if (!file) {
            std::cerr << "scanfee-run: cannot read " << script_path << "\n";
            return 2;
        }
    }
    driver::ScriptReader script(script_path.empty() ? std::cin : file);

    driver::ScriptDialogs dialogs(std::cout);
    ui::set_dialog_service(&dialogs);
    struct Unset {
        ~Unset() { ui::set_dialog_service(nullptr); }
    } unset;
    try {
        // Answers before the first other command answer the start-up's dialogs
        // (and the recovery copy's question).
        while (std::optional<driver::ScriptLine> line = script.next()) {
            if (!driver::is_answer(*line)) {
                script.put_back(std::move(*line));
                break;
            }
            driver::queue_answer(dialogs, *line);
        }
        start_up(options);
        if (!recovery_folder.empty()) app::keep_recovery_copy_in(recovery_folder, options.edition);
        driver::run_script(script, dialogs, std::cout);
    } catch (const driver::DriverError& e) {
        std::cout.flush();
        std::cerr << "scanfee-run: " << e.what() << "\n";
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Every exception that reaches the top ends the run through the fatal
    // error report: the program's own fatal errors with their place, any
    // other with this place, where the driver ran the failing script.
    try {
        return run(argc, argv);
    } catch (...) {
        return driver::print_fatal_report(SCANFEE_FATAL_REPORT(), std::cout);
    }
}
