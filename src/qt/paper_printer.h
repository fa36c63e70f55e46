#pragma once
// Prints a paper (the statement screen's text, or a paper the program wrote)
// on A4 pages: the fixed-pitch Mincho face, every character in the cell its
// Shift-JIS width gives it (so the columns the papers align with blanks line
// up on paper too), as many lines per page as fit and the page number at
// the foot.
#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace scanfee::qtview {

// The statement screen and the box whose text Ctrl+P prints there.
inline constexpr const char* PRINTED_FORM = "FORM5";
inline constexpr const char* PRINTED_TEXT = "EDIT6";
// The summary screen, where Ctrl+P prints a paper written before.
inline constexpr const char* PAPERS_FORM = "MAINFORM";

struct PrintLayout {
    double point_size = 0;  // the face's size after fitting the widest line
    int lines_per_page = 0;
    int pages = 0;
};

// Lines of `text` (CR LF, lone CR or LF ends; a last line end opens no line).
QStringList paper_lines(const QString& text);

// Columns as the papers count them: a character takes as many half-width
// cells as it has bytes in Shift-JIS.
int cells(QChar c);

// Sets up `device` (a printer or a PDF writer) for `text`: A4 with margins,
// portrait unless its widest line needs the width of landscape.
void prepare_paper_device(QPagedPaintDevice& device, const QString& text);
// Prints `text` on `device`, which the caller has set up; returns the layout,
// with no pages when the device refused the job.
PrintLayout print_paper(QPagedPaintDevice& device, const QString& text);

// The window program's way: Qt's print dialog (which also saves PDF files),
// then the print of `text` under the document name `name`; a failed print is
// reported in a message box. Returns whether the paper was printed.
bool print_with_dialog(QWidget* owner, const QString& text, const QString& name);

// How the view prints a text under a document name: print_with_dialog, or a
// test's stand-in.
using PrintText = std::function<void(QWidget* owner, const QString& text, const QString& name)>;

}  // namespace scanfee::qtview
