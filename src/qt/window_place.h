#pragma once
// Where a window opens: the place it was last closed at, kept in the user's
// settings, as long as that place still lies on a screen.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace scanfee::qtview {

// The remembered place of the window `key`, moved onto a screen that exists;
// nothing when none is remembered.
std::optional<QPoint> remembered_place(const QString& key, QSize size);
void remember_place(const QString& key, QPoint place);

// `place` for a window of `size` if enough of its top (the caption bar) lies
// on one of `screens`; otherwise the place that centres it on the first.
QPoint onto_screens(QPoint place, QSize size, const std::vector<QRect>& screens);

// The least move of a window whose frame is `frame` at `place` that puts it
// wholly inside `room` (its top-left corner inside when it is larger).
QPoint inside_room(QPoint place, QSize frame, const QRect& room);

// The place that centres a frame of `frame` in `room`.
QPoint centred_in(QSize frame, const QRect& room);

}  // namespace scanfee::qtview
