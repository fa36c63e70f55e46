#pragma once
// `scanfee --print-pdf PAPER.TXT OUT.pdf`: a paper printed into a PDF file
// exactly as Ctrl+P prints it, without a window and without a display.
#include <optional>

namespace scanfee::qtview {

// The exit status when the command line asks for this (0, or a message on
// standard error and 1 for a paper that cannot be read or a PDF file that
// cannot be written, 2 for a wrong command line); nothing otherwise, and
// the window program starts.
std::optional<int> run_print_pdf_command(int argc, char** argv);

}  // namespace scanfee::qtview
