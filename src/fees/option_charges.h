#pragma once
// The four option charges of the slot (CURTITLE, CATEGORY) and their sum, all
// expressed through FEE_CAPTURE: 基本金額_SUB1 must have priced the same
// title first.

namespace scanfee::fees {

// FEE_OPT_EDIT, FEE_OPT_SINGLE, FEE_OPT_TRIM from the slot's flags, CUR_DPI
// from its DPI, and FEE_OPT_DPI from the resolution table of its kind.
void オプション金額_SUB1();
// FEE_OPT_DPI for CUR_DPI by table A (comics, perfect-bound books, photo
// books). The entry screen calls it live while the scroll bar moves.
void オプション7_SUB1();
// FEE_OPT_DPI for CUR_DPI by table B (saddle-stitched books).
void オプション7_SUB2();
// OPTION_AMOUNT = the sum of the four charges.
void オプション金額_SUB();

}  // namespace scanfee::fees
