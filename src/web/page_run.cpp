#include "web/page_run.h"

#include <memory>
#include <optional>

#include "app/start_options.h"
#include "core/main_loop.h"
#include "core/program.h"
#include "core/startup.h"
#include "files/file_steps.h"
#include "runtime/fatal.h"
#include "screens/handlers.h"
#include "ui/user_actions.h"
#include "web/page_dialogs.h"
#include "web/page_files.h"
#include "web/page_recovery.h"
#include "web/page_view.h"

namespace scanfee::web {
namespace {

struct Run {
    PageView view{screen_model()};
    PageDialogs dialogs{[this] {
        view.flush();
        deliver_saved_files();
    }};
    bool busy = false;
    bool ended = false;
};

std::unique_ptr<Run>& the_run() {
    static std::unique_ptr<Run> run;
    return run;
}

// Runs `body` as one step of the program and everything after it: the
// files, the page (`before_flush` adds to what it is sent), and the end of
// the run when it came.
void run_step(Run& run, const std::function<void()>& body, const std::function<void()>& before_flush = {}) {
    run.busy = true;
    std::optional<rt::FatalReport> report;
    // A failure is reported at this place: the page's dispatch of the event.
    try {
        body();
    } catch (...) {
        report = SCANFEE_FATAL_REPORT();
    }
    clear_files_folder();
    if (before_flush) before_flush();
    run.view.flush();
    if (report) {
        run.ended = true;
        run.dialogs.message_box(nullptr, report->caption, report->text, ui::Buttons::Ok,
                                report->last_resort ? ui::Icon::Stop : ui::Icon::Exclamation);
        run.view.ended(true);
    } else if (end_requested()) {
        run.ended = true;
        run.view.ended(false);
    }
    run.busy = false;
}

}  // namespace

StartResult start_page(const std::string& edition, const std::string& today) {
    if (the_run()) return StartResult::Started;
    StartOptions options;
    const auto parsed_edition = app::parse_command_line({"--edition", edition}, false);
    if (!std::holds_alternative<app::CommandLine>(parsed_edition)) return StartResult::BadEdition;
    options.edition = std::get<app::CommandLine>(parsed_edition).options.edition;
    if (!today.empty()) {
        const auto parsed_today = app::parse_command_line({"--today", today}, false);
        if (!std::holds_alternative<app::CommandLine>(parsed_today)) return StartResult::BadDate;
        options.today = std::get<app::CommandLine>(parsed_today).options.today;
    }
    prepare_files_folder();
    // A saved file counts as saved once the browser has taken its download.
    files::set_file_handover(deliver_file);
    the_run() = std::make_unique<Run>();
    Run& run = *the_run();
    ui::set_dialog_service(&run.dialogs);
    run_step(run, [&] {
        start_up(options);
        if (!end_requested()) start_browser_recovery();
    });
    return StartResult::Started;
}

void act(const std::string& name, const Action& action, const std::string* typed) {
    if (!the_run()) return;
    Run& run = *the_run();
    ui::Control* control = screen_model().find(name);
    if (!control) return;
    // Whether or not the action was taken, the page shows the model.
    auto resync = [&] { run.view.resync(*control, typed); };
    if (!run.busy && !run.ended && ui::user_can_reach(*control)) {
        run_step(run, [&] { handle_event(action(*control)); }, resync);
    } else {
        resync();
        run.view.flush();
    }
}

void close_form(const std::string& form) {
    if (!the_run()) return;
    Run& run = *the_run();
    ui::Form* f = screen_model().find_form(form);
    if (!f || run.busy || run.ended || !f->visible()) return;
    const std::string event = screens::frame_close_event(*f);
    run_step(run, [&] { handle_event(event); });
}

}  // namespace scanfee::web
