#include "qt/first_paint.h"

#include <QEvent>
#include <QTimer>
#include <vector>

namespace scanfee::qtview {
namespace {

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    void add(std::function<void()> work) { works_.push_back(std::move(work)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        watched->removeEventFilter(this);
        // The paint event is handled first; the window is shown once the
        // event loop comes back.
        QTimer::singleShot(0, this, [this] {
            const std::vector<std::function<void()>> works = std::move(works_);
            for (const auto& work : works) work();
            deleteLater();
        });
        return false;
    }

private:
    std::vector<std::function<void()>> works_;
};

const char* const WATCHER = "scanfee_first_paint";

}  // namespace

void after_first_paint(QWidget& window, std::function<void()> work) {
    auto* watcher = window.findChild<FirstPaint*>(QLatin1String(WATCHER), Qt::FindDirectChildrenOnly);
    if (!watcher) {
        watcher = new FirstPaint(window);
        watcher->setObjectName(QLatin1String(WATCHER));
    }
    watcher->add(std::move(work));
}

}  // namespace scanfee::qtview
