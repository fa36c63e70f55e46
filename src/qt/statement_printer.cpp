#include "qt/statement_printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
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

// Columns as the statement counts them: a character takes as many half-width
// cells as it has bytes in Shift-JIS.
int cells(QChar c) { return c.unicode() < 0x80 ? 1 : static_cast<int>(system_bytes(QString(c))); }

int line_cells(const QString& line) {
    int n = 0;
    for (QChar c : line) n += cells(c);
    return n;
}

QFont statement_font(double points) {
    QFont font(QString::fromUtf8("ＭＳ 明朝"));
    font.setPointSizeF(points);
    font.setKerning(false);
    return font;
}

}  // namespace

QStringList statement_lines(const QString& text) {
    QStringList lines = unix_line_ends(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

int widest_line(const QStringList& lines) {
    int widest = 1;
    for (const QString& line : lines) widest = std::max(widest, line_cells(line));
    return widest;
}

void prepare_statement_printer(QPrinter& printer, const QString& text) {
    auto layout = [](QPageLayout::Orientation orientation) {
        return QPageLayout(QPageSize(QPageSize::A4), orientation,
                           QMarginsF(MARGIN_MM, MARGIN_MM, MARGIN_MM, MARGIN_MM),
                           QPageLayout::Millimeter);
    };
    printer.setPageLayout(layout(QPageLayout::Portrait));
    const double cell = QFontMetricsF(statement_font(BODY_POINTS), &printer).horizontalAdvance(QLatin1Char('0'));
    const double needed = cell * widest_line(statement_lines(text));
    if (needed > printer.pageLayout().paintRectPixels(printer.resolution()).width())
        printer.setPageLayout(layout(QPageLayout::Landscape));
    printer.setDocName(QString::fromUtf8("料金明細"));
}

PrintLayout print_statement(QPrinter& printer, const QString& text) {
    const QStringList lines = statement_lines(text);
    PrintLayout layout;
    QPainter painter;
    if (!painter.begin(&printer)) return layout;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());

    // The widest line decides the size: a statement is never cut at the
    // right edge, and never printed larger than business papers are.
    const int widest = widest_line(lines);
    QFont font = statement_font(BODY_POINTS);
    double cell = QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char('0'));
    if (cell * widest > page.width()) {
        font = statement_font(std::max(SMALLEST_POINTS, BODY_POINTS * page.width() / (cell * widest)));
        cell = QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char('0'));
    }
    const QFontMetricsF metrics(font, &printer);
    // A little leading, as on printed forms, keeps long lists readable.
    const double line_height = metrics.lineSpacing() * LEADING;
    // Two lines at the foot hold the page number.
    const int per_page = std::max(1, static_cast<int>((page.height() - 2 * line_height) / line_height));
    const int pages = std::max<int>(1, static_cast<int>((lines.size() + per_page - 1) / per_page));
    layout = {font.pointSizeF(), per_page, pages};

    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int p = 0; p < pages; ++p) {
        if (p > 0) printer.newPage();
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
    painter.end();
    return layout;
}

bool print_statement_with_dialog(QWidget* owner, const QString& text) {
    QPrinter printer(QPrinter::HighResolution);
    prepare_statement_printer(printer, text);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QString::fromUtf8("料金明細の印刷"));
    apply_dialog_look(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (print_statement(printer, text).pages > 0) return true;
    // A printer that refuses the job, or a PDF file that cannot be created.
    run_message_box(owner, rt::to_sjis("印刷エラーメッセージ"),
                    rt::to_sjis("印刷できませんでした。プリンターと出力先のファイルを確かめてください。"),
                    ui::Buttons::Ok, ui::Icon::Exclamation);
    return false;
}

}  // namespace scanfee::qtview
