#include "qt/paper_printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "qt/dialog_look.h"
#include "qt/message_box.h"
#include "qt/qt_text.h"
#include "runtime/sjis.h"

namespace scanfee::qtview {

namespace {

constexpr double BODY_POINTS = 10.5;  // the usual size of Japanese business papers
constexpr double SMALLEST_POINTS = 6;
constexpr double MARGIN_MM = 15;
constexpr double LEADING = 1.2;

}  // namespace

int cells(QChar c) { return c.unicode() < 0x80 ? 1 : static_cast<int>(system_bytes(QString(c))); }

namespace {

int line_cells(const QString& line) {
    int n = 0;
    for (QChar c : line) n += cells(c);
    return n;
}

int widest_line(const QStringList& lines) {
    int widest = 1;
    for (const QString& line : lines) widest = std::max(widest, line_cells(line));
    return widest;
}

QFont paper_font(double points) {
    QFont font(QString::fromUtf8("ＭＳ 明朝"));
    font.setPointSizeF(points);
    font.setKerning(false);
    return font;
}

QRectF page_area(const QPagedPaintDevice& device) {
    return QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
}

}  // namespace

QStringList paper_lines(const QString& text) {
    QStringList lines = unix_line_ends(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

void prepare_paper_device(QPagedPaintDevice& device, const QString& text) {
    auto layout = [](QPageLayout::Orientation orientation) {
        return QPageLayout(QPageSize(QPageSize::A4), orientation,
                           QMarginsF(MARGIN_MM, MARGIN_MM, MARGIN_MM, MARGIN_MM),
                           QPageLayout::Millimeter);
    };
    device.setPageLayout(layout(QPageLayout::Portrait));
    const double cell = QFontMetricsF(paper_font(BODY_POINTS), &device).horizontalAdvance(QLatin1Char('0'));
    if (cell * widest_line(paper_lines(text)) > page_area(device).width())
        device.setPageLayout(layout(QPageLayout::Landscape));
}

PrintLayout print_paper(QPagedPaintDevice& device, const QString& text) {
    const QStringList lines = paper_lines(text);
    PrintLayout layout;
    QPainter painter;
    if (!painter.begin(&device)) return layout;
    const QRectF page = page_area(device);

    // The widest line decides the size: a paper is never cut at the right
    // edge, and never printed larger than business papers are.
    const int widest = widest_line(lines);
    QFont font = paper_font(BODY_POINTS);
    double cell = QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('0'));
    if (cell * widest > page.width()) {
        font = paper_font(std::max(SMALLEST_POINTS, BODY_POINTS * page.width() / (cell * widest)));
        cell = QFontMetricsF(font, &device).horizontalAdvance(QLatin1Char('0'));
    }
    const QFontMetricsF metrics(font, &device);
    // A little leading, as on printed forms, keeps long lists readable.
    const double line_height = metrics.lineSpacing() * LEADING;
    // Two lines at the foot hold the page number.
    const int per_page = std::max(1, static_cast<int>((page.height() - 2 * line_height) / line_height));
    const int pages = std::max<int>(1, static_cast<int>((lines.size() + per_page - 1) / per_page));
    layout = {font.pointSizeF(), per_page, pages};

    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int p = 0; p < pages; ++p) {
        if (p > 0) device.newPage();
        const auto first = static_cast<qsizetype>(p) * per_page;
        const qsizetype last = std::min<qsizetype>(lines.size(), first + per_page);
        for (qsizetype i = first; i < last; ++i) {
            const double baseline = static_cast<double>(i - first) * line_height + metrics.ascent();
            int column = 0;
            for (QChar c : lines[i]) {
                if (c != QLatin1Char(' ') && c != QChar(0x3000))
                    painter.drawText(QPointF(column * cell, baseline), QString(c));
                column += cells(c);
            }
        }
        const QString number = QStringLiteral("%1 / %2").arg(p + 1).arg(pages);
        const double width = metrics.horizontalAdvance(number);
        painter.drawText(QPointF((page.width() - width) / 2, page.height() - metrics.descent()), number);
    }
    if (!painter.end()) layout.pages = 0;
    return layout;
}

bool print_with_dialog(QWidget* owner, const QString& text, const QString& name) {
    QPrinter printer(QPrinter::HighResolution);
    prepare_paper_device(printer, text);
    printer.setDocName(name);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QString::fromUtf8("%1の印刷").arg(name));
    apply_dialog_look(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (print_paper(printer, text).pages > 0) return true;
    // A printer that refuses the job, or a PDF file that cannot be created.
    run_message_box(owner, rt::to_sjis("印刷エラーメッセージ"),
                    rt::to_sjis("印刷できませんでした。プリンターと出力先のファイルを確かめてください。"),
                    ui::Buttons::Ok, ui::Icon::Exclamation);
    return false;
}

}  // namespace scanfee::qtview
