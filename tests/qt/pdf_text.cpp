#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "qt/qt_text.h"

namespace scanfee::qtview::testing {

namespace {

QString run_pdftotext(const QStringList& args) {
    QProcess process;
    process.start(pdftotext_tool(), args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool is_blank(QChar c) { return c == QLatin1Char(' ') || c == QChar(0x3000); }

QString without_blanks(QString line) {
    line.remove(QRegularExpression(QStringLiteral("[\\s\\x{3000}]")));
    return line;
}

int cells(QChar c) { return c.unicode() < 0x80 ? 1 : static_cast<int>(system_bytes(QString(c))); }

const QRegularExpression& page_foot() {
    static const QRegularExpression foot(QStringLiteral("^\\s*(\\d+) / (\\d+)\\s*$"));
    return foot;
}

// The paper as printed text: its lines, with the yen sign for byte 0x5C.
QStringList paper_lines_of(const std::string& paper) {
    QString text = unix_line_ends(to_qt(paper)).replace(QLatin1Char('\\'), QChar(0x00A5));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

QString pdftotext_tool() { return QStandardPaths::findExecutable(QStringLiteral("pdftotext")); }

QStringList layout_pages(const QString& pdf) {
    QStringList pages = run_pdftotext({QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    // The text ends with a form feed after the last page.
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

std::vector<PdfWord> pdf_words(const QString& pdf) {
    const QString boxes = run_pdftotext({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression item(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    std::vector<PdfWord> words;
    int page = -1;
    for (auto it = item.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(4);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"));
        words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), text, m.captured(3).toDouble()});
    }
    std::stable_sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        if (a.page != b.page) return a.page < b.page;
        if (std::abs(a.y - b.y) > 1.0) return a.y < b.y;
        return a.x < b.x;
    });
    return words;
}

QStringList printed_faults(const std::string& paper, const QString& pdf) {
    QStringList faults;
    const QStringList lines = paper_lines_of(paper);
    const QStringList pages = layout_pages(pdf);
    if (pages.isEmpty()) return {QStringLiteral("no page")};

    // The text, page by page, and one page number at each foot.
    QStringList printed;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        int feet = 0;
        for (const QString& line : pages[p].split(QLatin1Char('\n'))) {
            const auto foot = page_foot().match(line);
            if (foot.hasMatch()) {
                ++feet;
                if (foot.captured(1).toInt() != p + 1 || foot.captured(2).toInt() != pages.size())
                    faults << QStringLiteral("page %1 is numbered \"%2\"").arg(p + 1).arg(line.trimmed());
            } else if (!without_blanks(line).isEmpty()) {
                printed << without_blanks(line);
            }
        }
        if (feet != 1) faults << QStringLiteral("page %1 has %2 page numbers").arg(p + 1).arg(feet);
    }
    QStringList expected;
    for (const QString& line : lines)
        if (!without_blanks(line).isEmpty()) expected << without_blanks(line);
    if (printed != expected)
        faults << QStringLiteral("the printed lines differ:\n%1\n---\n%2")
                      .arg(printed.join(QLatin1Char('\n')), expected.join(QLatin1Char('\n')));
    // Byte 0x5C as a character of its own, not the second byte of "表" or "ソ".
    const auto yen = to_qt(paper).count(QLatin1Char('\\'));
    const QString all = pages.join(QString());
    if (all.count(QChar(0x00A5)) != yen || all.contains(QLatin1Char('\\')))
        faults << QStringLiteral("%1 yen signs printed for %2 in the paper").arg(all.count(QChar(0x00A5))).arg(yen);

    // Every word starts at its column: x = left + column * cell, the same
    // left edge and cell width for the whole paper. The page numbers are
    // the last line of each page.
    std::vector<PdfWord> words;
    auto drop_foot = [&words] {
        const double foot = words.empty() ? 0 : words.back().y;
        while (!words.empty() && std::abs(words.back().y - foot) < 0.5 &&
               words.back().text.contains(QRegularExpression(QStringLiteral("^[\\d/]+$"))))
            words.pop_back();
    };
    for (const PdfWord& word : pdf_words(pdf)) {
        if (!words.empty() && word.page != words.back().page) drop_foot();
        words.push_back(word);
    }
    drop_foot();
    std::vector<std::pair<int, double>> placed;  // column, x
    size_t w = 0;
    for (const QString& line : lines) {
        if (without_blanks(line).isEmpty()) continue;
        qsizetype at = 0;
        int column = 0;
        auto skip_blanks = [&] {
            while (at < line.size() && is_blank(line[at])) column += cells(line[at++]);
        };
        if (w >= words.size()) {
            faults << QStringLiteral("\"%1\" is not printed").arg(line);
            return faults;
        }
        const double y = words[w].y;
        const int page = words[w].page;
        for (; w < words.size() && words[w].page == page && std::abs(words[w].y - y) <= 1.0; ++w) {
            skip_blanks();
            placed.emplace_back(column, words[w].x);
            for (QChar c : words[w].text) {
                if (is_blank(c)) continue;
                skip_blanks();
                if (at >= line.size() || line[at] != c) {
                    faults << QStringLiteral("the word \"%1\" is not in \"%2\"").arg(words[w].text, line);
                    return faults;
                }
                column += cells(line[at++]);
            }
        }
        skip_blanks();
        if (at != line.size()) {
            faults << QStringLiteral("\"%1\" is printed only up to column %2").arg(line).arg(column);
            return faults;
        }
    }
    if (placed.size() < 2) return faults;
    // The line through the first and the farthest column, then every word on it.
    const auto [first, last] = std::minmax_element(placed.begin(), placed.end());
    if (last->first == first->first) return faults;
    const double cell = (last->second - first->second) / (last->first - first->first);
    for (const auto& [column, x] : placed) {
        const double expected_x = first->second + (column - first->first) * cell;
        if (std::abs(x - expected_x) > 0.3) {
            faults << QStringLiteral("a word of column %1 starts at %2 pt, not %3 pt")
                          .arg(column).arg(x).arg(expected_x);
            break;
        }
    }
    return faults;
}

}  // namespace scanfee::qtview::testing
