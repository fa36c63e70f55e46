#include "qt/refusal_notice.h"

#include <QLabel>
#include <QTimer>

#include "qt/font_map.h"

namespace scanfee::qtview {
namespace {

constexpr int SHOWN_MS = 8000;
const char* const NOTICE_NAME = "refusal_notice";

class RefusalNotice : public QLabel {
public:
    explicit RefusalNotice(QWidget& window) : QLabel(&window) {
        setObjectName(QLatin1String(NOTICE_NAME));
        setTextFormat(Qt::PlainText);
        // The characters named are those the screens' faces lack: any
        // installed face may draw them.
        setFont(screen_text_font(true));
        setStyleSheet(QStringLiteral(
            "QLabel { background: #ffffe1; color: black; border: 1px solid #767676;"
            " padding: 2px 4px; }"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide_timer_.setSingleShot(true);
        connect(&hide_timer_, &QTimer::timeout, this, &QWidget::hide);
    }

    void show_for(QWidget& box, const QString& text) {
        setText(text);
        adjustSize();
        QWidget& window = *parentWidget();
        const QPoint below = box.mapTo(&window, QPoint(0, box.height() + 2));
        QPoint place = below;
        if (below.y() + height() > window.height())
            place = box.mapTo(&window, QPoint(0, -height() - 2));
        place.setX(std::clamp(place.x(), 0, std::max(0, window.width() - width())));
        move(place);
        raise();
        show();
        hide_timer_.start(SHOWN_MS);
    }

private:
    QTimer hide_timer_;
};

}  // namespace

void show_refusal_notice(QWidget& box, const QString& text) {
    QWidget* window = box.window();
    auto* notice = window->findChild<RefusalNotice*>(QLatin1String(NOTICE_NAME),
                                                     Qt::FindDirectChildrenOnly);
    if (!notice) notice = new RefusalNotice(*window);
    notice->show_for(box, text);
}

QWidget* shown_refusal_notice(const QWidget& window) {
    auto* notice = window.findChild<QLabel*>(QLatin1String(NOTICE_NAME), Qt::FindDirectChildrenOnly);
    return notice && notice->isVisible() ? notice : nullptr;
}

}  // namespace scanfee::qtview
