#include "fees/discounts.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/order_state.h"
#include "fees/amount_text.h"
#include "screens/controls.h"

namespace scanfee::fees {
namespace {

using screens::scr;

// The numeric value of the character at 1-based position pos, 0 past the end.
double digit_at(const std::string& text, size_t pos) {
    return pos <= text.size() ? rt::val(text.substr(pos - 1, 1)) : 0;
}

}  // namespace

void 特別割_SUB() {
    OrderState& s = order();
    s.SPECIAL_DISC = 0;
    if (s.SPECIAL_PERIOD == 1 || scr().CHECK8->checked() == 1) {
        s.SPECIAL_DISC = rt::to_single(rt::idiv(s.WORK_FEE_TOTAL, 2));
        scr().TEXT39->show();
        scr().TEXT40->show();
        scr().TEXT40->set_text(amount_text(s.SPECIAL_DISC));
    }
}

void 箱割_SUB() {
    OrderState& s = order();
    s.BOX_DISC = 0;
    s.BOX_DISC_COMIC = 0;
    s.BOX_DISC_DOUJIN = 0;
    if (s.TITLECOUNT(CAT_COMICS) >= 15 || s.TITLECOUNT(CAT_DOUJIN) >= 40) {
        s.BOX_DISC_COMIC = rt::to_single(rt::idiv(s.CAT_SUBTOTAL(CAT_COMICS), 20) *
                                               rt::idiv(s.TITLECOUNT(CAT_COMICS), 15));
        s.BOX_DISC_DOUJIN = rt::to_single(rt::idiv(s.CAT_SUBTOTAL(CAT_DOUJIN), 20) *
                                                rt::idiv(s.TITLECOUNT(CAT_DOUJIN), 40));
        s.BOX_DISC = rt::to_single(double(s.BOX_DISC_COMIC) + s.BOX_DISC_DOUJIN);
        scr().TEXT15->show();
        scr().TEXT16->show();
        scr().TEXT16->set_text(amount_text(s.BOX_DISC));
    }
}

void クーポン割_SUB() {
    OrderState& s = order();
    s.COUPON_DISC = 0;
    // A damaged order file can claim more coupons than there are slots; only
    // the slots that exist are read.
    const int count = std::min<int>(s.COUPONCOUNT, COUPON_SLOTS);
    for (int i = 0; i < count; ++i) {
        // Characters 9 and 10 carry the value: d times ten to the power e - 1.
        const double e = digit_at(s.COUPON[size_t(i)], 9);
        const double d = digit_at(s.COUPON[size_t(i)], 10);
        s.COUPON_DISC = rt::to_single(s.COUPON_DISC + std::pow(10.0, e - 1) * d);
    }
    scr().TEXT10->set_text(amount_text(s.COUPON_DISC));
}

void 割引額_SUB() {
    OrderState& s = order();
    s.DISCOUNT_TOTAL =
        rt::to_single(double(s.COUPON_DISC) + s.BOX_DISC + s.SPECIAL_DISC);
}

void 補償額_SUB() {
    OrderState& s = order();
    s.COMP_TOTAL = 0;
    for (int c = 0; c < CATEGORY_COUNT; ++c)
        for (int slot = 0; slot < s.TITLECOUNT(c); ++slot)
            s.COMP_TOTAL = rt::to_single(double(s.COMP_TOTAL) + s.COMP_AMOUNT(slot, c));
    scr().TEXT50->set_text(amount_text(s.COMP_TOTAL));
}

void 総合計金額_SUB() {
    OrderState& s = order();
    s.GRAND_TOTAL = rt::to_single(double(s.WORK_FEE_TOTAL) + s.MEDIA_FEE -
                                        s.DISCOUNT_TOTAL - s.COMP_TOTAL);
    if (s.GRAND_TOTAL < 0) s.GRAND_TOTAL = 0;
    // Shipping comes after the floor: discounts never cover it.
    s.GRAND_TOTAL = rt::to_single(double(s.GRAND_TOTAL) + s.SHIPPING);
}

void 差引_SUB() {
    OrderState& s = order();
    s.ADVANCE = rt::to_single(rt::val(scr().EDIT4->text()));
    s.SMALLDISC = rt::to_single(rt::val(scr().EDIT5->text()));
    s.BALANCE = rt::to_single(double(s.GRAND_TOTAL) - s.ADVANCE - s.SMALLDISC);
    scr().TEXT54->set_text(balance_text(s.BALANCE));
}

}  // namespace scanfee::fees
