// The window program: the screens as Qt windows.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "app/recovery_start.h"
#include "app/start_options.h"
#include "core/program.h"
#include "core/startup.h"
#include "files/recovery.h"
#include "qt/event_dispatch.h"
#include "qt/font_map.h"
#include "qt/first_paint.h"
#include "qt/font_warmup.h"
#include "qt/guarded_application.h"
#include "qt/print_pdf_command.h"
#include "qt/program_icon.h"
#include "qt/qt_dialogs.h"
#include "qt/screen_view.h"
#include "qt/timing_probe.h"
#include "qt/window_identity.h"
#include "runtime/stale_temporaries.h"
#include "runtime/state_folder.h"
#include "screens/controls.h"
#include "ui/user_actions.h"

using namespace scanfee;

namespace {

std::vector<std::string> program_arguments(const QApplication& app) {
    std::vector<std::string> args;
    const QStringList all = app.arguments();
    for (qsizetype i = 1; i < all.size(); ++i) args.push_back(all[i].toStdString());
    return args;
}

int run(QApplication& app, const StartOptions& options, qtview::FontWarmup& fonts) {
    qtview::QtDialogService dialogs;
    ui::set_dialog_service(&dialogs);
    struct Unset {
        ~Unset() { ui::set_dialog_service(nullptr); }
    } unset;

    start_up(options);
    if (end_requested()) return 0;
    fonts.join();
    qtview::ScreenView view(screen_model());
    dialogs.set_owner_lookup([&view](const ui::Form* form) { return view.widget(*form); });
    qtview::install_timing_probe(view.widget(*screens::scr().MAINFORM), [&view] {
        view.dispatcher().act(*screens::scr().BUTTON1, ui::user_click);
    });
    // An order that an earlier run left unsaved is offered back over the
    // summary screen once it shows; from then on the order on screen is kept
    // safe. Temporary files of saves cut short are cleaned up then too.
    qtview::after_first_paint(*view.widget(*screens::scr().MAINFORM), [&options] {
        rt::clean_noted_folders();
        app::keep_recovery_copy_in(rt::user_state_folder(), options.edition, true);
    });
    const int status = app.exec();
    // The last copy reaches the disk before the run ends.
    files::stop_recovery();
    return status;
}

int start(QApplication& app, qtview::FontWarmup& fonts) {
    // Settings (the summary window's place) in ~/.config/scanfee/scanfee.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("scanfee"));
    QCoreApplication::setApplicationName(QStringLiteral("scanfee"));
    QApplication::setWindowIcon(qtview::program_icon());
    // Screens come and go under the model's control; only the end button
    // (or the summary screen's frame) ends the run.
    app.setQuitOnLastWindowClosed(false);

    const auto parsed = app::parse_command_line(program_arguments(app), false);
    if (const auto* bad = std::get_if<app::CommandLineError>(&parsed)) {
        std::fprintf(stderr, "scanfee: %s\n%s", bad->message.c_str(), app::WINDOW_PROGRAM_USAGE);
        return 2;
    }
    // Each edition has its own launcher, scanfee-customer.desktop or
    // scanfee-shop.desktop, which desktops match the window with.
    const auto& options = std::get<app::CommandLine>(parsed).options;
    qtview::identify_windows(options.edition == EDITION_SHOP ? QStringLiteral("scanfee-shop")
                                                             : QStringLiteral("scanfee-customer"));

    // Folders saved into are noted, to clean up after saves cut short.
    rt::set_save_journal(rt::default_save_journal());

    qtview::install_program_fonts();
    // The program speaks Japanese whatever the desktop's language: the file
    // dialogs' own texts too, and the kinds of files they list.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_ja"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);

    return run(app, options, fonts);
}

}  // namespace

int main(int argc, char** argv) {
    // The usage needs no display.
    if (app::asks_for_help({argv + 1, argv + argc})) {
        std::fputs(app::WINDOW_PROGRAM_USAGE, stdout);
        return 0;
    }
    if (const auto status = qtview::run_print_pdf_command(argc, argv)) return *status;
    qtview::FontWarmup fonts;
    qtview::GuardedApplication app(argc, argv);
    try {
        return start(app, fonts);
    } catch (...) {
        // A failure of start-up itself, before the event loop dispatched
        // anything: the report names this place.
        const rt::FatalReport report = SCANFEE_FATAL_REPORT();
        qtview::show_fatal_report(report);
        return report.status;
    }
}
