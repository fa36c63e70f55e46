#pragma once
// What a printed PDF holds, read back with poppler's pdftotext: the text of
// each page as laid out, and every word with its place, to check that the
// columns of a paper line up on paper.
#include <QString>
#include <QStringList>
#include <vector>

namespace scanfee::qtview::testing {

// The path of pdftotext, or empty when poppler-utils is not installed.
QString pdftotext_tool();

// The pages of `pdf` as `pdftotext -layout` lays them out.
QStringList layout_pages(const QString& pdf);

struct PdfWord {
    int page;
    double x, y;  // top left, in points
    QString text;
    double x_end = 0;  // right edge, in points
};
// Every word of `pdf` (`pdftotext -bbox`), page by page, top to bottom and
// left to right.
std::vector<PdfWord> pdf_words(const QString& pdf);

// Checks the printed `pdf` of `paper` (the paper's Shift-JIS bytes): every
// line of the paper on its pages in order, byte 0x5C as "¥", one page
// number "N / M" at the foot of each page, and every word starting where
// its column in the paper puts it. Returns what is wrong, or nothing.
QStringList printed_faults(const std::string& paper, const QString& pdf);

}  // namespace scanfee::qtview::testing
