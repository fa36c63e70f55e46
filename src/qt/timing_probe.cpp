#include "qt/timing_probe.h"

#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

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

class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, std::string path, std::function<void()> press_end)
        : QObject(window), path_(std::move(path)), press_end_(std::move(press_end)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || done_) return false;
        done_ = true;
        watched->removeEventFilter(this);
        // The paint event is handled first; the window is shown once the
        // event loop comes back.
        QTimer::singleShot(0, this, [this] {
            note(path_, "shown");
            note(path_, "end");
            press_end_();
        });
        return false;
    }

private:
    std::string path_;
    std::function<void()> press_end_;
    bool done_ = false;
};

}  // namespace

void install_timing_probe(QWidget* first_window, std::function<void()> press_end) {
    const char* path = std::getenv("SCANFEE_TIMING_FILE");
    if (!path || !*path || !first_window) return;
    new FirstPaint(first_window, path, std::move(press_end));
}

}  // namespace scanfee::qtview
