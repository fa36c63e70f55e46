#pragma once
// A paper the program wrote (a request sheet, a power of attorney, a
// statement, ...), read back for printing. Any file can be chosen, so it is
// read as untrusted: bounded in size and lines, and refused whole, with the
// reason, when it is not Shift-JIS text.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "files/application_papers.h"

namespace scanfee::qtview {

// Far beyond any paper of the largest order (121 titles in each category,
// each as long as a title may be: files/application_papers.h).
inline constexpr qint64 MAX_PAPER_BYTES = files::PRINTABLE_PAPER_BYTES;
inline constexpr int MAX_PAPER_LINES = files::PRINTABLE_PAPER_LINES;

// The system's text as a paper shows it: byte 0x5C is the yen sign of
// Shift-JIS (the papers write amounts as "\1400"), a tab reaches the next
// column of eight cells.
QString paper_text(std::string_view sjis);

struct Paper {
    QString name;  // the file's name, which the print job carries
    QString text;  // as paper_text gives it
};

struct PaperRead {
    std::optional<Paper> paper;
    // Otherwise the message that names the file and the reason (Shift-JIS,
    // for a message box).
    std::string refusal;
};

PaperRead read_paper(const std::string& path);

}  // namespace scanfee::qtview
