#include "qt/paper_file.h"

#include <QFileInfo>

#include "files/file_steps.h"
#include "qt/paper_printer.h"
#include "qt/qt_text.h"
#include "runtime/sjis.h"
#include "runtime/text_file.h"

namespace scanfee::qtview {

namespace {

constexpr int TAB_CELLS = 8;

std::string refused(const std::string& path, const QString& reason) {
    return files::bad_content_text(path, to_system(reason));
}

// Why a decoded line cannot be printed, or nothing.
std::optional<QString> fault_of(const QString& line) {
    for (QChar c : line) {
        if (c == QChar(0xFFFD)) return QString::fromUtf8("Shift-JIS の文字でないバイトがあります。");
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
            return QString::fromUtf8("制御文字（0x%1）があります。")
                .arg(QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper());
    }
    return std::nullopt;
}

QString expand_tabs(const QString& line) {
    if (!line.contains(QLatin1Char('\t'))) return line;
    QString out;
    int column = 0;
    for (QChar c : line) {
        if (c == QLatin1Char('\t')) {
            const int blanks = TAB_CELLS - column % TAB_CELLS;
            out += QString(blanks, QLatin1Char(' '));
            column += blanks;
        } else {
            out += c;
            column += cells(c);
        }
    }
    return out;
}

}  // namespace

QString paper_text(std::string_view sjis) {
    QString text = to_qt(sjis);
    text.replace(QLatin1Char('\\'), QChar(0x00A5));
    if (!text.contains(QLatin1Char('\t'))) return text;
    QStringList lines = unix_line_ends(text).split(QLatin1Char('\n'));
    for (QString& line : lines) line = expand_tabs(line);
    return lines.join(QStringLiteral("\r\n"));
}

PaperRead read_paper(const std::string& path) {
    PaperRead read;
    const QFileInfo info(QString::fromStdString(path));
    if (info.isFile() && info.size() > MAX_PAPER_BYTES) {
        read.refusal = files::bad_content_text(path, files::too_large_reason(MAX_PAPER_BYTES));
        return read;
    }
    rt::Result<std::string> bytes = rt::read_file_bytes(path, MAX_PAPER_BYTES);
    if (!bytes) {
        read.refusal = files::read_failure_text(bytes.error());
        return read;
    }
    std::string& sjis = bytes.value();
    // A Ctrl-Z that ends the file closes the text, as in every text file.
    if (!sjis.empty() && sjis.back() == '\x1a') sjis.pop_back();
    const QString text = paper_text(sjis);
    const QStringList lines = paper_lines(text);
    if (lines.size() > MAX_PAPER_LINES) {
        read.refusal = refused(path, QString::fromUtf8("行が多すぎます（%1行まで）。").arg(MAX_PAPER_LINES));
        return read;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto fault = fault_of(lines[i])) {
            read.refusal = files::bad_content_text(path, files::line_reason(i + 1, to_system(*fault)));
            return read;
        }
    }
    read.paper = Paper{info.fileName(), text};
    return read;
}

}  // namespace scanfee::qtview
