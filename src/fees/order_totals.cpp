#include "fees/order_totals.h"

#include "core/order_state.h"

namespace scanfee::fees {
namespace {

// A category's media charge for n scanned titles: one 50-yen unit per started
// group for the small books, one per title for the large ones.
double media_charge(int category, int16 scanned) {
    switch (category) {
    case CAT_COMICS:
        return (rt::idiv(scanned, 10) + 1) * 50;
    case CAT_DOUJIN:
        return (rt::idiv(scanned, 40) + 1) * 50;
    case CAT_SADDLE_MAGAZINE:
        return (rt::idiv(scanned, 3) + 1) * 50;
    default:
        return double(scanned) * 50;
    }
}

// The order holds titles of this category only, and between low and high of
// them.
bool only_category(int category, int low, int high) {
    const OrderState& s = order();
    int others = 0;
    for (int c = 0; c < CATEGORY_COUNT; ++c)
        if (c != category) others += s.TITLECOUNT(c);
    const int own = s.TITLECOUNT(category);
    return own >= low && own <= high && others == 0;
}

}  // namespace

void タイトル別合計_SUB() {
    OrderState& s = order();
    s.TITLE_TOTAL(s.CURTITLE, s.CATEGORY) =
        rt::to_single(double(s.BASIC_AMOUNT) + s.OPTION_AMOUNT);
}

void 小合計_SUB() {
    OrderState& s = order();
    const int cat = s.CATEGORY;
    s.CAT_SUBTOTAL(cat) = 0;
    for (int slot = 0; slot < s.TITLECOUNT(cat); ++slot)
        s.CAT_SUBTOTAL(cat) =
            rt::to_single(double(s.CAT_SUBTOTAL(cat)) + s.TITLE_TOTAL(slot, cat));
}

void 作業代_SUB() {
    OrderState& s = order();
    double sum = 0;
    for (int c = 0; c < CATEGORY_COUNT; ++c) sum += s.CAT_SUBTOTAL(c);
    s.WORK_FEE_TOTAL = rt::to_single(sum);
}

void メディア代_SUB() {
    OrderState& s = order();
    s.MEDIA_FEE = 0;
    for (int c = 0; c < CATEGORY_COUNT; ++c) {
        if (s.TITLECOUNT(c) <= 0) continue;
        int16 scanned = 0;
        for (s.CURTITLE = 0; s.CURTITLE < s.TITLECOUNT(c); ++s.CURTITLE)
            if (s.WORK(s.CURTITLE, c) > 1) ++scanned;
        if (scanned > 0)
            s.MEDIA_FEE = rt::to_single(s.MEDIA_FEE + media_charge(c, scanned));
    }
}

void 送料_SUB() {
    OrderState& s = order();
    s.SHIPPING = 0;
    if (!(s.GIFT_TOTAL < s.GIFT_THRESHOLD)) return;
    if (only_category(CAT_COMICS, 1, 2) || only_category(CAT_DOUJIN, 1, 5) ||
        only_category(CAT_SADDLE_MAGAZINE, 1, 1) || only_category(CAT_PERFECT_MAGAZINE, 1, 1) ||
        only_category(CAT_PHOTO_BOOK, 1, 1))
        s.SHIPPING = 500;
}

void 小計_SUB() {
    OrderState& s = order();
    s.SUBTOTAL = rt::to_single(double(s.WORK_FEE_TOTAL) + s.MEDIA_FEE + s.SHIPPING);
}

}  // namespace scanfee::fees
