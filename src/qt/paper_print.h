#pragma once
// Ctrl+P on the summary screen: a paper the program wrote is chosen in an
// open dialog, read and printed.
#include <QString>
#include <string>

#include "qt/paper_printer.h"

class QWidget;

namespace scanfee::qtview {

// The open dialog for "*.TXT" in `folder` (the folder of the last file, or
// the home folder while there is none), then the chosen paper to `print`.
// A file that cannot be printed is named, with the reason, in a message box.
void print_written_paper(QWidget* owner, const std::string& folder, const PrintText& print);

}  // namespace scanfee::qtview
