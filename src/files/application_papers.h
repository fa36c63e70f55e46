#pragma once
// The application papers of an order: the shop's four documents (request
// sheet, power of attorney, management data, gift deed), the work-fee
// statement shown on the statement screen, and the output button that
// writes them one by one through save dialogs.
//
// Each document can be built as bytes without touching the disk; the
// OUTFILE writers put those bytes into FILENAME through the safe commit (the
// previous file stays whole until the new one is complete) and report a
// failure by a message box instead of ending the program.
#include <cstddef>
#include <string>

#include "ui/events.h"

namespace scanfee::files {

// What the printer takes: every paper of every order that can be entered or
// loaded stays within it (order titles are bounded to TITLE_MAX_BYTES).
inline constexpr std::size_t PRINTABLE_PAPER_BYTES = 1024 * 1024;
inline constexpr int PRINTABLE_PAPER_LINES = 20000;

// The request sheet 依頼事項書: every title with its work content and
// detail code, its category and its name.
std::string request_sheet_bytes();
// The power of attorney 委任状: the scanned titles (work content 2 or 3).
std::string power_of_attorney_bytes();
// The gift deed 贈与証書: the titles given to the shop.
std::string gift_deed_bytes();
// The management data 管理: a header line and ten comma-separated fields
// per title. CURTITLE is left as the loop leaves it.
std::string management_data_bytes();

// Each writes its document to FILENAME; returns whether it was written.
bool OUTFILE1_SUB();
bool OUTFILE2_SUB();
bool OUTFILE4_SUB();
bool OUTFILE5_SUB();

// The work-fee statement of every title, category by category, with CR LF
// line ends. Reprices every title and category subtotal on the way; leaves
// CATEGORY at 5 and CURTITLE at the count of the last category with titles.
std::string work_statement_text();

// The output button "申込用データ出力" of the summary screen.
void BUTTON2_ON();

void register_application_output(ui::EventTable& events);

}  // namespace scanfee::files
