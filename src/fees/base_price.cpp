#include "fees/base_price.h"

#include <string_view>

#include "core/order_state.h"
#include "screens/controls.h"

namespace scanfee::fees {
namespace {

struct FeeRow {
    single dismantle, capture, rebind;
};

constexpr FeeRow FULL_BOOK{200, 800, 400};
constexpr FeeRow PERFECT_DOUJIN{80, 200, 100};
constexpr FeeRow SADDLE_DOUJIN{0, 100, 25};

// A page count too large for its 16-bit field is taken as no number at all,
// like any other unreadable text: storing it would end the run, and the count
// feeds nothing but the reference price of perfect-bound magazines.
int16 page_count(std::string_view text) {
    double value = rt::val(text);
    // Storing rounds halves to even: -32768.5 still fits, 32767.5 does not.
    if (!(value >= -32768.5 && value < 32767.5)) return 0;
    return rt::to_int16(value);
}

}  // namespace

void 基本金額_SUB() {
    OrderState& s = order();
    s.PRICE(s.CURTITLE, s.CATEGORY) = rt::to_single(rt::val(screens::scr().EDIT2->text()));
    s.PAGES(s.CURTITLE, s.CATEGORY) = page_count(screens::scr().EDIT3->text());
    基本金額_SUB1();
}

void 基本金額_SUB1() {
    基準価格_SUB();
    コース料_SUB();
    OrderState& s = order();
    s.BASIC_AMOUNT = s.COURSE_FEE;
}

void 基準価格_SUB() {
    OrderState& s = order();
    const int slot = s.CURTITLE, cat = s.CATEGORY;
    switch (cat) {
    case CAT_COMICS:
        s.BASE_PRICE = s.EDTYPE(slot, cat) == 2
                           ? s.PRICE(slot, cat)
                           : rt::to_single(rt::idiv(s.PRICE(slot, cat), 2));
        break;
    case CAT_DOUJIN:
        s.BASE_PRICE = s.EDTYPE(slot, cat) == 2 ? 10 : 50;
        break;
    case CAT_SADDLE_MAGAZINE:
    case CAT_PHOTO_BOOK:
        s.BASE_PRICE = s.PRICE(slot, cat);
        break;
    case CAT_PERFECT_MAGAZINE:
        s.BASE_PRICE = rt::to_single((rt::idiv(s.PAGES(slot, cat), 200) + 1) *
                                           double(s.PRICE(slot, cat)));
        break;
    default:
        break;
    }
}

void コース料_SUB() {
    OrderState& s = order();
    const int slot = s.CURTITLE, cat = s.CATEGORY;
    s.COURSE_FEE = 0;

    const FeeRow* row = nullptr;
    switch (cat) {
    case CAT_COMICS:
    case CAT_PHOTO_BOOK:
    // Magazines have no rows of their own: a perfect-bound one takes the work
    // of a comic, a saddle-stitched one that of a saddle-stitched doujinshi.
    case CAT_PERFECT_MAGAZINE:
        row = &FULL_BOOK;
        break;
    case CAT_DOUJIN:
        row = s.EDTYPE(slot, cat) == 2 ? &PERFECT_DOUJIN : &SADDLE_DOUJIN;
        break;
    case CAT_SADDLE_MAGAZINE:
        row = &SADDLE_DOUJIN;
        break;
    default:
        break;
    }
    if (row) {
        s.FEE_DISMANTLE = row->dismantle;
        s.FEE_CAPTURE = row->capture;
        s.FEE_REBIND = row->rebind;
    }

    const double dismantle = s.FEE_DISMANTLE, capture = s.FEE_CAPTURE, rebind = s.FEE_REBIND;
    switch (s.WORK(slot, cat)) {
    case 1:
        s.COURSE_FEE = rt::to_single(dismantle);
        break;
    case 2:
        s.COURSE_FEE = rt::to_single(dismantle + capture);
        break;
    case 3:
        s.COURSE_FEE = rt::to_single(dismantle + capture + rebind);
        break;
    default:
        break;
    }
}

}  // namespace scanfee::fees
