#include "fees/option_charges.h"

#include "core/order_state.h"

namespace scanfee::fees {
namespace {

bool moire_removal_waived() {
    const OrderState& s = order();
    return s.OPT_NOMOIRE(s.CURTITLE, s.CATEGORY) == 1;
}

single half_capture() { return rt::to_single(rt::idiv(order().FEE_CAPTURE, 2)); }

single capture_times(int factor) {
    return rt::to_single(double(order().FEE_CAPTURE) * factor);
}

}  // namespace

void オプション金額_SUB1() {
    OrderState& s = order();
    const int slot = s.CURTITLE, cat = s.CATEGORY;

    s.FEE_OPT_EDIT = s.OPT_EDIT(slot, cat) == 1 ? 100 : 0;
    // The single-precision tenth is a hair above 0.1, so 800 gives 80.0000012
    // and INT still lands on 80.
    s.FEE_OPT_SINGLE =
        s.OPT_SINGLE(slot, cat) == 1
            ? rt::to_single(-rt::int_part(double(s.FEE_CAPTURE) * double(rt::ONE_TENTH)))
            : 0;
    s.FEE_OPT_TRIM = s.OPT_TRIM(slot, cat) == 1 ? s.FEE_CAPTURE : 0;
    s.CUR_DPI = s.DPI(slot, cat);

    switch (cat) {
    case CAT_COMICS:
    case CAT_PERFECT_MAGAZINE:
    case CAT_PHOTO_BOOK:
        オプション7_SUB1();
        break;
    case CAT_DOUJIN:
        if (s.EDTYPE(slot, cat) == 2)
            オプション7_SUB1();
        else
            オプション7_SUB2();
        break;
    case CAT_SADDLE_MAGAZINE:
        オプション7_SUB2();
        break;
    default:
        break;
    }
}

void オプション7_SUB1() {
    OrderState& s = order();
    const int dpi = s.CUR_DPI;
    s.FEE_OPT_DPI = 0;
    if (moire_removal_waived()) {
        if (dpi >= 451)
            s.FEE_OPT_DPI = capture_times(2);
        else if (dpi >= 251)
            s.FEE_OPT_DPI = half_capture();
    } else {
        if (dpi >= 334)
            s.FEE_OPT_DPI = capture_times(5);
        else if (dpi >= 167)
            s.FEE_OPT_DPI = half_capture();
    }
}

void オプション7_SUB2() {
    OrderState& s = order();
    const int dpi = s.CUR_DPI;
    s.FEE_OPT_DPI = 0;
    if (moire_removal_waived()) {
        if (dpi >= 350)
            s.FEE_OPT_DPI = capture_times(3);
        else if (dpi >= 300)
            s.FEE_OPT_DPI = capture_times(2);
        else if (dpi >= 150)
            s.FEE_OPT_DPI = half_capture();
    } else {
        if (dpi >= 251)
            s.FEE_OPT_DPI = capture_times(3);
        else if (dpi >= 188)
            s.FEE_OPT_DPI = capture_times(2);
    }
}

void オプション金額_SUB() {
    OrderState& s = order();
    s.OPTION_AMOUNT = rt::to_single(double(s.FEE_OPT_EDIT) + s.FEE_OPT_SINGLE +
                                          s.FEE_OPT_TRIM + s.FEE_OPT_DPI);
}

}  // namespace scanfee::fees
