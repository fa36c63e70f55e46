#pragma once
// The fee breakdown sheet: every charge, discount and total of the order,
// numbered ① to ⑰ with the formulas that link them, in columns lined up
// for a fixed-pitch face. The statement screen shows it after the work-fee
// statement, and the estimate, invoice and receipt are written from it.
#include <string>

namespace scanfee::summary {

// The sheet of the order as the last summary refresh left it (nothing is
// recomputed), Shift-JIS, every line ended by CR LF. The shop edition adds
// the balance block. Uses ALIGN_LINES(0..12) as its working columns.
std::string fee_breakdown_text();

// "終了" of the statement screen: while the work-fee statement is shown, it
// is replaced by the breakdown (and, in the shop edition, the invoice and
// receipt button appears); otherwise the screen closes back to the summary.
void BUTTON21_ON();

}  // namespace scanfee::summary
