#pragma once
// Prints the statement screen's text on A4 pages: the fixed-pitch Mincho face,
// every character in the cell its Shift-JIS width gives it (so the columns
// the statement aligns with blanks line up on paper too), as many lines per
// page as fit and the page number at the foot.
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace scanfee::qtview {

// The statement screen and the box whose text is printed.
inline constexpr const char* PRINTED_FORM = "FORM5";
inline constexpr const char* PRINTED_TEXT = "EDIT6";

struct PrintLayout {
    double point_size = 0;  // the face's size after fitting the widest line
    int lines_per_page = 0;
    int pages = 0;
};

// Lines of `text` (CR LF, lone CR or LF ends; a last line end opens no line).
QStringList statement_lines(const QString& text);

// Sets up `printer` for `text`: A4 with margins and the document name,
// portrait unless its widest line needs the width of landscape.
void prepare_statement_printer(QPrinter& printer, const QString& text);
// Prints `text` on `printer`, which the caller has set up; returns the layout,
// with no pages when the printer refused the job.
PrintLayout print_statement(QPrinter& printer, const QString& text);

// The window program's way: Qt's print dialog (which also saves PDF files),
// then the print; a failed print is reported in a message box. Returns
// whether the statement was printed.
bool print_statement_with_dialog(QWidget* owner, const QString& text);

}  // namespace scanfee::qtview
