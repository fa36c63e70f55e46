#pragma once
// The part of a title's fee that does not depend on its options, for the slot
// (CURTITLE, CATEGORY). Results land in the working values BASE_PRICE,
// FEE_DISMANTLE, FEE_CAPTURE, FEE_REBIND, COURSE_FEE and BASIC_AMOUNT; the
// option charges are formed from FEE_CAPTURE, so this runs first.

namespace scanfee::fees {

// Takes PRICE and PAGES from the entry screen's EDIT2 and EDIT3, then
// 基本金額_SUB1.
void 基本金額_SUB();
// Prices the slot from its stored values.
void 基本金額_SUB1();
// BASE_PRICE from the list price: only the entry screen reads it, to decide
// whether the options may be chosen; it never changes the fee.
void 基準価格_SUB();
// The three fee components of the category and the fee of the chosen work.
void コース料_SUB();

}  // namespace scanfee::fees
