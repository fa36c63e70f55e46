#pragma once
// Typing any text into a widget key by key. QTest::keyClicks knows only
// ASCII; a Japanese character arrives as a key event carrying its text.
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace scanfee::qtview::testing {

inline void type_text(QWidget* target, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

}  // namespace scanfee::qtview::testing
