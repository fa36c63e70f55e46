#include "qt/group_box.h"

#include <QPainter>

namespace scanfee::qtview {

void GroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QColor background = palette().color(QPalette::Window);
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.fillRect(frame, background);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame);

    // The caption is escaped against access keys ("&&"); the designs use none.
    const QString caption = title().replace(QStringLiteral("&&"), QStringLiteral("&"));
    if (caption.isEmpty()) return;
    const int pad = metrics.horizontalAdvance(QLatin1Char(' ')) / 2 + 1;
    const QRect text(8 + pad, 0, metrics.horizontalAdvance(caption), metrics.height());
    painter.fillRect(text.adjusted(-pad, 0, pad, 0), background);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

}  // namespace scanfee::qtview
