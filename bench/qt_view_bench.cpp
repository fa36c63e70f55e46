// The window program's answer to one user action on the largest order: from
// the click or key on the real widget until every widget it changed is
// updated and painted (the event queue is empty again), offscreen.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
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

// The 62nd title of the largest order has two works: its options and its
// resolution are shown.
constexpr int TWO_WORKS_ROW = 61;

QScrollBar* resolution_bar() { return qobject_cast<QScrollBar*>(widget("HSCROLL1")); }

// Page Up raises the resolution, Page Down lowers it.
Qt::Key towards_middle(bool back) {
    const QScrollBar* bar = resolution_bar();
    static bool raise = true;
    if (!back) raise = bar->value() < (bar->minimum() + bar->maximum()) / 2;
    return raise != back ? Qt::Key_PageUp : Qt::Key_PageDown;
}

struct Step {
    const char* name;
    int16 edition;
    std::function<void()> prepare;  // untimed: brings the screen the action needs
    std::function<void()> action;   // timed, until the queue is empty
    std::function<void()> restore;  // untimed: back to where prepare left it
    const char* target = nullptr;   // the control the action works on, which must be shown
    std::function<int()> seen;      // what the action changes on the screen, checked each time
};

// Which screen is shown: the summary, the title list or the entry screen.
int shown_screen() {
    int shown = 0;
    for (const char* name : {"MAINFORM", "FORM2", "FORM3"}) shown = shown * 2 + widget(name)->isVisible();
    return shown;
}

int text_length(const char* name) { return int(qobject_cast<QLineEdit*>(widget(name))->text().size()); }

const std::vector<Step>& steps() {
    static const std::vector<Step> all = {
        // Screen changes.
        {"summary -> comics list", EDITION_SHOP, [] {}, [] { click("BUTTON5"); },
         [] { click("BUTTON11"); }, "BUTTON5", shown_screen},
        {"comics list -> summary", EDITION_SHOP, [] { click("BUTTON5"); },
         [] { click("BUTTON11"); }, [] { click("BUTTON5"); }, "BUTTON11", shown_screen},
        {"comics list -> entry screen", EDITION_SHOP, [] { click("BUTTON5"); },
         [] { click_row("LIST1", 60); }, [] { click("BUTTON14"); }, "LIST1", shown_screen},
        {"entry screen -> comics list", EDITION_SHOP,
         [] {
             click("BUTTON5");
             click_row("LIST1", 60);
         },
         [] { click("BUTTON14"); }, [] { click_row("LIST1", 60); }, "BUTTON14", shown_screen},
        // One event on a screen.
        {"summary: advance typed", EDITION_SHOP, [] { widget("EDIT4")->setFocus(); },
         [] { key("EDIT4", Qt::Key_5); }, [] { key("EDIT4", Qt::Key_Backspace); }, "EDIT4",
         [] { return text_length("EDIT4"); }},
        {"summary: coupon chosen", EDITION_CUSTOMER, [] {},
         [] { key("COMBO1", Qt::Key_Down); }, [] { key("COMBO1", Qt::Key_Up); }, "COMBO1",
         [] { return qobject_cast<QComboBox*>(widget("COMBO1"))->currentIndex(); }},
        {"entry: option ticked", EDITION_SHOP,
         [] {
             click("BUTTON5");
             click_row("LIST1", TWO_WORKS_ROW);
         },
         [] { click("CHECK1"); }, [] {}, "CHECK1",
         [] { return int(qobject_cast<QAbstractButton*>(widget("CHECK1"))->isChecked()); }},
        {"entry: title typed", EDITION_SHOP,
         [] {
             click("BUTTON5");
             click_row("LIST1", TWO_WORKS_ROW);
         },
         [] { key("EDIT1", Qt::Key_A); }, [] { key("EDIT1", Qt::Key_Backspace); }, "EDIT1",
         [] { return text_length("EDIT1"); }},
        {"entry: resolution moved", EDITION_SHOP,
         [] {
             click("BUTTON5");
             click_row("LIST1", TWO_WORKS_ROW);
         },
         // A page towards the middle, so that it moves whatever the title's
         // resolution; the benchmark checks that it did.
         [] { key("HSCROLL1", towards_middle(false)); }, [] { key("HSCROLL1", towards_middle(true)); },
         "HSCROLL1", [] { return resolution_bar()->value(); }},
    };
    return all;
}

void BM_QtUserAction(benchmark::State& state) {
    const Step& step = steps()[size_t(state.range(0))];
    state.SetLabel(step.name);
    start_view(step.edition);
    step.prepare();
    settle();
    if (step.target && !widget(step.target)->isVisible()) {
        state.SkipWithError("the control the action works on is not shown");
        the_view.reset();
        return;
    }
    for (auto _ : state) {
        const int before = step.seen ? step.seen() : 0;
        auto begin = std::chrono::steady_clock::now();
        step.action();
        settle();
        auto end = std::chrono::steady_clock::now();
        if (step.seen && step.seen() == before) {
            state.SkipWithError("the action changed nothing on the screen");
            break;
        }
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
    scanfee::qtview::install_program_fonts();
    benchmark::Initialize(&argc, argv);
    scanfee::bench::register_steps();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
