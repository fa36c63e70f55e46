// The window program's answer to one user action on the largest order: from
// the click or key on the real widget until every widget it changed is
// updated and painted (the event queue is empty again), offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "core/program.h"
#include "largest_orders.h"
#include "qt/font_map.h"
#include "qt/screen_view.h"

namespace scanfee::bench {
namespace {

std::unique_ptr<qtview::ScreenView> the_view;

QWidget* widget(const char* name) { return the_view->widget(name); }

void settle() { QApplication::processEvents(); }

void start_view(int16 edition) {
    the_view.reset();
    start_program(edition);
    load_largest_order();
    qtview::ViewOptions options;
    options.scale = 1.0;
    options.endings.on_end = [] {};
    options.endings.on_fatal = [](const qtview::FatalReport&) {};
    the_view = std::make_unique<qtview::ScreenView>(screen_model(), options);
    settle();
}

void click(const char* name) {
    QWidget* w = widget(name);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
}

void click_row(const char* name, int row) {
    auto* list = qobject_cast<QListWidget*>(widget(name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void key(const char* name, Qt::Key k) { QTest::keyClick(widget(name), k); }

struct Step {
    const char* name;
    int16 edition;
    std::function<void()> prepare;  // untimed: brings the screen the action needs
    std::function<void()> action;   // timed, until the queue is empty
    std::function<void()> restore;  // untimed: back to where prepare left it
};

const std::vector<Step>& steps() {
    static const std::vector<Step> all = {
        // Screen changes.
        {"summary -> comics list", EDITION_SHOP, [] {}, [] { click("BUTTON5"); },
         [] { click("BUTTON11"); }},
        {"comics list -> summary", EDITION_SHOP, [] { click("BUTTON5"); },
         [] { click("BUTTON11"); }, [] { click("BUTTON5"); }},
        {"comics list -> entry screen", EDITION_SHOP, [] { click("BUTTON5"); },
         [] { click_row("LIST1", 60); }, [] { click("BUTTON14"); }},
        {"entry screen -> comics list", EDITION_SHOP,
         [] {
             click("BUTTON5");
             click_row("LIST1", 60);
         },
         [] { click("BUTTON14"); }, [] { click_row("LIST1", 60); }},
        // One event on a screen.
        {"summary: advance typed", EDITION_SHOP, [] { widget("EDIT4")->setFocus(); },
         [] { key("EDIT4", Qt::Key_5); }, [] { key("EDIT4", Qt::Key_Backspace); }},
        {"summary: coupon chosen", EDITION_CUSTOMER, [] {},
         [] { key("COMBO1", Qt::Key_Down); }, [] { key("COMBO1", Qt::Key_Up); }},
        {"entry: option ticked", EDITION_SHOP,
         [] {
             click("BUTTON5");
             click_row("LIST1", 60);
         },
         [] { click("CHECK1"); }, [] {}},
        {"entry: title typed", EDITION_SHOP,
         [] {
             click("BUTTON5");
             click_row("LIST1", 60);
         },
         [] { key("EDIT1", Qt::Key_A); }, [] { key("EDIT1", Qt::Key_Backspace); }},
        {"entry: resolution moved", EDITION_SHOP,
         [] {
             click("BUTTON5");
             click_row("LIST1", 60);
         },
         [] { key("HSCROLL1", Qt::Key_PageUp); }, [] { key("HSCROLL1", Qt::Key_PageDown); }},
    };
    return all;
}

void BM_QtUserAction(benchmark::State& state) {
    const Step& step = steps()[size_t(state.range(0))];
    state.SetLabel(step.name);
    start_view(step.edition);
    step.prepare();
    settle();
    for (auto _ : state) {
        auto begin = std::chrono::steady_clock::now();
        step.action();
        settle();
        auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        step.restore();
        settle();
    }
    the_view.reset();
}

void register_steps() {
    benchmark::RegisterBenchmark("BM_QtUserAction", BM_QtUserAction)
        ->DenseRange(0, int(steps().size()) - 1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.3);
}

}  // namespace
}  // namespace scanfee::bench

// The offscreen platform's notes on every window raised would bury the
// figures.
void quiet_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg || type == QtInfoMsg || type == QtDebugMsg) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char** argv) {
    qInstallMessageHandler(quiet_messages);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    scanfee::qtview::install_font_substitutions();
    QFont font = QApplication::font();
    font.setFamily(QString::fromUtf8("ＭＳ Ｐゴシック"));
    QApplication::setFont(font);
    benchmark::Initialize(&argc, argv);
    scanfee::bench::register_steps();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
