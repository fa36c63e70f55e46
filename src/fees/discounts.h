#pragma once
// From the subtotal to what the customer pays: the discounts (⑧ coupons,
// ⑨ special period, ⑩ boxes), the compensated work fee (⑬), the grand total
// (⑭) and the balance after payments (⑰). The procedures that show a result
// write it into its field of the summary screen.

namespace scanfee::fees {

// SPECIAL_DISC: half the work fee in the special period or when CHECK8 is
// ticked; shows TEXT39 and TEXT40 only then.
void 特別割_SUB();
// BOX_DISC_COMIC, BOX_DISC_DOUJIN and BOX_DISC: 5 % of the category subtotal
// per full box of 15 comics or 40 doujinshi; shows TEXT15 and TEXT16 only
// when a box is reached.
void 箱割_SUB();
// COUPON_DISC from the values carried in the coupon numbers; TEXT10.
void クーポン割_SUB();
// DISCOUNT_TOTAL = COUPON_DISC + BOX_DISC + SPECIAL_DISC.
void 割引額_SUB();
// COMP_TOTAL = the compensated amounts of all titles; TEXT50.
void 補償額_SUB();
// GRAND_TOTAL: work fee and media fee less discounts and compensation, never
// below 0, plus the return shipping.
void 総合計金額_SUB();
// ADVANCE and SMALLDISC from EDIT4 and EDIT5, BALANCE, and TEXT54 with its
// sign.
void 差引_SUB();

}  // namespace scanfee::fees
