#pragma once
// Title names imported from a user's text or CSV file, in steps that the
// main loop runs for the import screen's buttons.
#include <cstddef>
#include <cstdint>

#include "runtime/numbers.h"
#include "runtime/text_file.h"
#include "ui/events.h"

namespace scanfee::files {

// Longest title an import writes, in bytes: a title list row and an order
// file line stay far below what the line reader takes.
inline constexpr std::size_t IMPORT_TITLE_MAX_BYTES = 256;
// A larger file is refused unread: far beyond any book list, and its first
// pass (line ends and UTF-8) still takes well under a second.
inline constexpr std::uint64_t IMPORT_FILE_MAX_BYTES = rt::MAX_TEXT_FILE_BYTES;

// "ユーザーデータからタイトル名取得" on the title list: choose the file and
// open the import screen; the main loop then reads the file (step 1).
void BUTTON10_ON();

// Runs import step `code`: 1 read the file, 2 add the selected source fields,
// 3 remove the selected title fields, 4 transfer the titles.
void run_import_step(rt::int16 code);

// Refills the two lists of the import screen from the import's working data.
void LIST_RESET();

// The import's working data as at program start: no file read.
void reset_import();

void register_import(ui::EventTable& events);

}  // namespace scanfee::files
