#include "qt/window_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>

namespace scanfee::qtview {

namespace {

QString settings_key(const QString& key) { return QStringLiteral("windows/%1/place").arg(key); }

std::vector<QRect> available_screens() {
    std::vector<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) screens.push_back(screen->availableGeometry());
    return screens;
}

}  // namespace

QPoint onto_screens(QPoint place, QSize size, const std::vector<QRect>& screens) {
    if (screens.empty()) return place;
    // The caption bar must be there to be grabbed: a strip of the window's
    // top, at least a quarter of its width (and 48 pixels) wide.
    const int strip_width = std::max(48, size.width() / 4);
    const QRect top(place, QSize(size.width(), 24));
    for (const QRect& screen : screens) {
        const QRect seen = top.intersected(screen);
        if (seen.width() >= std::min(strip_width, size.width()) && seen.height() >= 12) return place;
    }
    return centred_in(size, screens.front());
}

QPoint centred_in(QSize frame, const QRect& room) {
    return QPoint(room.x() + std::max(0, (room.width() - frame.width()) / 2),
                  room.y() + std::max(0, (room.height() - frame.height()) / 2));
}

QPoint inside_room(QPoint place, QSize frame, const QRect& room) {
    auto clamp = [](int at, int length, int from, int room_length) {
        return std::max(from, std::min(at, from + room_length - length));
    };
    return QPoint(clamp(place.x(), frame.width(), room.x(), room.width()),
                  clamp(place.y(), frame.height(), room.y(), room.height()));
}

std::optional<QPoint> remembered_place(const QString& key, QSize size) {
    const QVariant stored = QSettings().value(settings_key(key));
    if (!stored.canConvert<QPoint>() || !stored.isValid()) return std::nullopt;
    return onto_screens(stored.toPoint(), size, available_screens());
}

void remember_place(const QString& key, QPoint place) {
    QSettings settings;
    // Writing the settings file waits for the disk: only a moved window
    // is written.
    const QVariant stored = settings.value(settings_key(key));
    if (stored.isValid() && stored.canConvert<QPoint>() && stored.toPoint() == place) return;
    settings.setValue(settings_key(key), place);
}

}  // namespace scanfee::qtview
