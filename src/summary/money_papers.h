#pragma once
// The papers the statement screen writes from what it shows: the statement
// (明細書) or the estimate (見積書) through "ファイルに出力", and in the shop
// edition the invoice (請求書) or the receipt (領収書) with the customer's
// name, today's date and the shop's address.
#include <string>

namespace scanfee::summary {

// PENDING_ACTION of the two document groups.
inline constexpr int PAPERS_STATEMENT_ESTIMATE = 22;
inline constexpr int PAPERS_INVOICE_RECEIPT = 23;

// The bytes of the paper OUTFILE3_SUB writes, from PENDING_ACTION,
// STATEMENT_SHOWN, INVOICE_FLAG, EDITION, CUSTNAME, today's date (read now)
// and the whole text of EDIT6.
std::string money_paper_bytes();

// Writes that paper to FILENAME, replacing a file of that name only once the
// new one is complete. A failure is reported by a message box naming the
// file; returns whether the paper was written.
bool OUTFILE3_SUB();

// "ファイルに出力": the statement while it is shown, the estimate once the
// breakdown is shown.
void BUTTON22_ON();
// "請求書・領収書のファイル出力": asks invoice or receipt, then writes it.
void BUTTON23_ON();

}  // namespace scanfee::summary
