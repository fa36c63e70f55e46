#pragma once
// A frame in the highlight colour around the focused control, for the kinds
// whose style shows no focus of their own: the list boxes, the statement
// text and the resolution scroll bar. The other controls draw their own
// (a push button's frame, a box's highlighted border, a caption's frame).
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <unordered_map>

namespace scanfee::qtview {

class FocusRing : public QWidget {
public:
    // The frame's width outside the control, in pixels.
    static constexpr int WIDTH = 2;

    explicit FocusRing(QWidget* parent);
    // Surrounds `target` (a child of the same parent), or hides for nullptr.
    void follow(QWidget* target);
    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    QPointer<QWidget> target_;
};

// Watches the application's focus and keeps a ring on the focused control
// while `needs_ring` accepts it.
class FocusRings : public QObject {
public:
    explicit FocusRings(std::function<bool(QWidget*)> needs_ring);

private:
    void focus_moved(QWidget* old, QWidget* now);

    std::function<bool(QWidget*)> needs_ring_;
    std::unordered_map<const QWidget*, QPointer<FocusRing>> rings_;  // by window
};

}  // namespace scanfee::qtview
