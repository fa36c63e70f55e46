// The system's own work on the largest orders, without any window: pricing,
// the summary, the order file, and one user event as the driver plays it.
#include <benchmark/benchmark.h>

#include "core/main_loop.h"
#include "fees/base_price.h"
#include "fees/option_charges.h"
#include "fees/order_totals.h"
#include "files/order_file.h"
#include "files/order_file_format.h"
#include "largest_orders.h"
#include "runtime/text_file.h"
#include "screens/controls.h"
#include "summary/summary_screen.h"
#include "ui/user_actions.h"

namespace scanfee::bench {
namespace {

void BM_PriceEveryTitle605(benchmark::State& state) {
    start_program();
    load_largest_order();
    OrderState& s = order();
    for (auto _ : state) {
        for (s.CATEGORY = 0; s.CATEGORY < CATEGORY_COUNT; ++s.CATEGORY) {
            for (s.CURTITLE = 0; s.CURTITLE < s.TITLECOUNT(s.CATEGORY); ++s.CURTITLE) {
                fees::基本金額_SUB1();
                fees::オプション金額_SUB1();
                fees::オプション金額_SUB();
                fees::タイトル別合計_SUB();
            }
            fees::小合計_SUB();
        }
        benchmark::DoNotOptimize(s.CAT_SUBTOTAL(4));
    }
}
BENCHMARK(BM_PriceEveryTitle605);

void BM_SummaryRefresh605(benchmark::State& state) {
    start_program();
    load_largest_order();
    for (auto _ : state) summary::総合画面_SETSUB();
}
BENCHMARK(BM_SummaryRefresh605);

void BM_LoadOrderFile605(benchmark::State& state) {
    start_program();
    const std::string path = scratch_path("largest.SAV");
    if (rt::write_file_atomically(path, largest_order_file(), rt::WriteMode::Replace))
        return state.SkipWithError("cannot write the order file");
    order().FILENAME = path;
    for (auto _ : state)
        if (!files::RFILE_SUB()) return state.SkipWithError("refused");
}
BENCHMARK(BM_LoadOrderFile605)->Unit(benchmark::kMicrosecond);

void BM_SaveOrderFile605(benchmark::State& state) {
    start_program();
    load_largest_order();
    order().FILENAME = scratch_path("saved.SAV");
    for (auto _ : state)
        if (!files::WFILE_SUB()) return state.SkipWithError("not written");
}
BENCHMARK(BM_SaveOrderFile605)->Unit(benchmark::kMicrosecond);

// What the recovery copy adds to every event: the order on screen in the
// order file's format, compared with the copy kept (the disk is written on a
// thread of its own in the window program).
void BM_RecoveryCopyCheck605(benchmark::State& state) {
    start_program();
    load_largest_order();
    std::string kept = files::order_on_screen_bytes();
    for (auto _ : state) benchmark::DoNotOptimize(files::order_on_screen_bytes() == kept);
}
BENCHMARK(BM_RecoveryCopyCheck605)->Unit(benchmark::kMicrosecond);

// One user event as scanfee-run plays it: the action on the model, the
// handler and the deferred work. Each pair leaves the screens as it found
// them, so the two halves are timed alike.
struct EventPair {
    const char* name;
    void (*there)();
    void (*back)();
    int (*seen)();  // what `there` changes, checked before the timing
};

void act(ui::Control* c, std::string event) {
    (void)c;
    handle_event(event);
}

const EventPair EVENT_PAIRS[] = {
    {"open comics / back to summary",
     [] { act(screens::scr().BUTTON5, ui::user_click(*screens::scr().BUTTON5)); },
     [] { act(screens::scr().BUTTON11, ui::user_click(*screens::scr().BUTTON11)); },
     [] { return int(screens::scr().FORM2->visible()); }},
    {"open a title / close it",
     [] { act(screens::scr().LIST1, ui::user_select(*screens::scr().LIST1, 10)); },
     [] { act(screens::scr().BUTTON14, ui::user_click(*screens::scr().BUTTON14)); },
     [] { return int(screens::scr().FORM3->visible()); }},
    {"tick an option twice",
     [] { act(screens::scr().CHECK1, ui::user_click(*screens::scr().CHECK1)); },
     [] { act(screens::scr().CHECK1, ui::user_click(*screens::scr().CHECK1)); },
     [] { return int(screens::scr().CHECK1->checked()); }},
    {"move the resolution",
     [] { act(screens::scr().HSCROLL1, ui::user_scroll(*screens::scr().HSCROLL1, 400)); },
     [] { act(screens::scr().HSCROLL1, ui::user_scroll(*screens::scr().HSCROLL1, 300)); },
     [] { return int(screens::scr().HSCROLL1->pos()); }},
    {"type a title",
     [] { act(screens::scr().EDIT1, ui::user_type(*screens::scr().EDIT1, "ABC")); },
     [] { act(screens::scr().EDIT1, ui::user_type(*screens::scr().EDIT1, "ABCD")); },
     [] { return int(screens::scr().EDIT1->text().size()); }},
};

void BM_DriverEvent(benchmark::State& state) {
    const EventPair& pair = EVENT_PAIRS[state.range(0)];
    state.SetLabel(pair.name);
    start_program();
    load_largest_order();
    screens::Controls& c = screens::scr();
    // The entry screen's events act on a comic that is open.
    if (state.range(0) >= 2) {
        handle_event(ui::user_click(*c.BUTTON5));
        handle_event(ui::user_select(*c.LIST1, 10));
    } else if (state.range(0) == 1) {
        handle_event(ui::user_click(*c.BUTTON5));
    }
    const int before = pair.seen();
    pair.there();
    if (pair.seen() == before) return state.SkipWithError("the event changed nothing");
    pair.back();
    for (auto _ : state) {
        pair.there();
        pair.back();
    }
    // Two events per iteration.
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_DriverEvent)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace scanfee::bench

BENCHMARK_MAIN();
