#pragma once
// Work that waits until a window has been painted for the first time: the
// user sees the screen first, and the work (a question, a look at the disk)
// comes after it.
#include <QWidget>
#include <functional>

namespace scanfee::qtview {

// Runs `work` once, as soon as the event loop is back after the first paint
// of `window`. Works queued for one window run in the order they were queued.
void after_first_paint(QWidget& window, std::function<void()> work);

}  // namespace scanfee::qtview
