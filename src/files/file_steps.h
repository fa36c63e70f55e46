#pragma once
// The steps every file of the program shares: choosing a file in a save or
// open dialog (with the remembered folder LASTDIR and the default
// extension), writing it without ever destroying the previous file, and
// telling the user, by a message box that names the file and the reason,
// when a file cannot be written or read. A failed file never ends the
// program and never touches the order.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "runtime/file_error.h"
#include "runtime/text_file.h"
#include "ui/model.h"

namespace scanfee::files {

// The save step: the save dialog with `title` and `filter` (Shift-JIS),
// proposing LASTDIR + `default_name` (Shift-JIS, turned into a native
// name). Cancelled: false, and LASTDIR and FILENAME stay as they were.
// Otherwise LASTDIR = the chosen folder and FILENAME = the chosen path, with
// `extension` (".SAV", ".TXT") appended to a name typed without one.
bool choose_save_file(const ui::Form* owner, const std::string& title,
                      const std::string& default_name, const std::string& filter,
                      const std::string& extension);

// The open step: the open dialog proposing LASTDIR + `default_name` ("/"
// for the folder itself: the root folder while none is remembered).
// Cancelled: false. Otherwise FILENAME = the chosen path and LASTDIR its
// folder.
bool choose_open_file(const ui::Form* owner, const std::string& title,
                      const std::string& default_name, const std::string& filter);

// What becomes of a file once it is written: nothing more on a disk; the
// page hands it to the browser as a download, which can fail. A failure
// counts as a failed save.
using FileHandover = std::function<rt::Status(const std::string& path)>;
void set_file_handover(FileHandover handover);

// Puts the collected lines on the disk at the writer's path, replacing a
// file of that name in one step: the old file stays whole until the new one
// is complete. A failure is reported by the message box; returns whether
// the file was written.
bool commit_file(const ui::Form* owner, const rt::TextFileWriter& writer);

// The message boxes (stop icon, caption "ファイルエラーメッセージ").
void report_write_failure(const ui::Form* owner, const rt::FileError& error);
void report_read_failure(const ui::Form* owner, const rt::FileError& error);
// A file that was read but does not hold what it should: `reason` is
// Shift-JIS ("３行目：…").
void report_bad_content(const ui::Form* owner, const std::string& path, const std::string& reason);

// Reasons for report_bad_content: a file larger than any it could be, a
// line longer than the line reader takes, and a reason that belongs to one
// line ("３行目：" in front).
std::string too_large_reason(std::uint64_t limit_bytes);
std::string line_too_long_reason(std::size_t line_number);
std::string line_reason(std::size_t line_number, const std::string& reason);
// The reason of a failure in the user's words (Shift-JIS).
std::string failure_reason(const rt::FileError& error);

// "what", the file and the reason, a line each (`what` UTF-8; Shift-JIS out).
std::string failure_text(const char* what, const rt::FileError& error);

// The texts of these boxes, for tests and for the boxes themselves.
std::string file_error_caption();
std::string write_failure_text(const rt::FileError& error);
std::string read_failure_text(const rt::FileError& error);
std::string bad_content_text(const std::string& path, const std::string& reason);

}  // namespace scanfee::files
