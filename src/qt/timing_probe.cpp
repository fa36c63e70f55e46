#include "qt/timing_probe.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "qt/first_paint.h"

namespace scanfee::qtview {
namespace {

long long now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void note(const std::string& path, const char* what) {
    if (FILE* f = std::fopen(path.c_str(), "a")) {
        std::fprintf(f, "%s %lld\n", what, now_ns());
        std::fclose(f);
    }
}

}  // namespace

void install_timing_probe(QWidget* first_window, std::function<void()> press_end) {
    const char* path = std::getenv("SCANFEE_TIMING_FILE");
    if (!path || !*path || !first_window) return;
    after_first_paint(*first_window, [file = std::string(path), press_end = std::move(press_end)] {
        note(file, "shown");
        note(file, "end");
        press_end();
    });
}

}  // namespace scanfee::qtview
