#pragma once
// From the priced titles to the order's subtotal before discounts:
// ⑦ = ④ work fee + ⑤ media fee + ⑥ return shipping.

namespace scanfee::fees {

// TITLE_TOTAL of the slot (CURTITLE, CATEGORY) = BASIC_AMOUNT + OPTION_AMOUNT.
void タイトル別合計_SUB();
// CAT_SUBTOTAL of CATEGORY from the title totals of its titles.
void 小合計_SUB();
// WORK_FEE_TOTAL = the subtotals of all five categories.
void 作業代_SUB();
// MEDIA_FEE from the scanned titles of each category. CURTITLE is the loop
// counter and is left at the TITLECOUNT of the last category with titles.
void メディア代_SUB();
// SHIPPING: 500 for a small order of one category unless at least 70 % of
// the titles are given to the shop. Needs GIFT_TOTAL and GIFT_THRESHOLD.
void 送料_SUB();
// SUBTOTAL = WORK_FEE_TOTAL + MEDIA_FEE + SHIPPING.
void 小計_SUB();

}  // namespace scanfee::fees
