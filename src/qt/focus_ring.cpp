#include "qt/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace scanfee::qtview {

FocusRing::FocusRing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::follow(QWidget* target) {
    if (target_ == target) {
        place();
        return;
    }
    if (target_) target_->removeEventFilter(this);
    target_ = target;
    if (!target_) {
        hide();
        return;
    }
    if (parentWidget() != target_->parentWidget()) setParent(target_->parentWidget());
    target_->installEventFilter(this);
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    const QRect outer = target_->geometry().adjusted(-WIDTH, -WIDTH, WIDTH, WIDTH);
    setGeometry(outer);
    // Only the frame itself covers what lies around the control.
    const QRect inside = rect().adjusted(WIDTH, WIDTH, -WIDTH, -WIDTH);
    setMask(QRegion(rect()).subtracted(QRegion(inside)));
    raise();
    show();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                place();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
}

FocusRings::FocusRings(std::function<bool(QWidget*)> needs_ring) : needs_ring_(std::move(needs_ring)) {
    connect(qApp, &QApplication::focusChanged, this, &FocusRings::focus_moved);
}

void FocusRings::focus_moved(QWidget* old, QWidget* now) {
    // As a box's own highlighted border: the frame shows while the control
    // has the focus of the active window.
    if (old) {
        auto it = rings_.find(old->window());
        if (it != rings_.end() && it->second) it->second->follow(nullptr);
    }
    if (!now || !needs_ring_(now)) return;
    QPointer<FocusRing>& ring = rings_[now->window()];
    if (!ring) ring = new FocusRing(now->parentWidget());
    ring->follow(now);
}

}  // namespace scanfee::qtview
