#include "summary/summary_screen.h"

#include "core/order_state.h"
#include "fees/discounts.h"
#include "fees/order_totals.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/number_texts.h"
#include "summary/coupons.h"

namespace scanfee::summary {
namespace {

using namespace rt::literals;
using screens::full_width_yen;
using screens::scr;

}  // namespace

std::string shipping_text() {
    const OrderState& s = order();
    if (s.SHIPPING > 0) return full_width_yen(s.SHIPPING);
    if (s.TOTAL_TITLES == 0) return "０円"_sj;
    if (s.GIFT_TOTAL >= s.GIFT_THRESHOLD) return "当店負担、０円"_sj;
    return "着払の為、０円"_sj;
}

void 総合画面_SETSUB() {
    OrderState& s = order();
    screens::Controls& c = scr();
    // Hidden while it is rebuilt, so no half-updated amounts show.
    c.FORM2->hide();
    c.MAINFORM->hide();
    for (ui::Control* line : {c.TEXT15, c.TEXT16, c.TEXT39, c.TEXT40}) line->hide();

    ui::Control* subtotals[CATEGORY_COUNT] = {c.TEXT41, c.TEXT42, c.TEXT43, c.TEXT44, c.TEXT45};
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        subtotals[category]->set_text(full_width_yen(s.CAT_SUBTOTAL(category)));

    fees::作業代_SUB();
    c.TEXT2->set_text(full_width_yen(s.WORK_FEE_TOTAL));
    fees::メディア代_SUB();
    c.TEXT4->set_text(full_width_yen(s.MEDIA_FEE));

    int titles = 0, gifts = 0;
    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        titles += s.TITLECOUNT(category);
        gifts += s.GIFTCOUNT(category);
    }
    s.TOTAL_TITLES = rt::to_int16(titles);
    s.GIFT_TOTAL = rt::to_int16(gifts);
    s.GIFT_THRESHOLD = rt::to_single(double(s.TOTAL_TITLES) * double(rt::SEVEN_TENTHS));

    fees::送料_SUB();
    c.TEXT6->set_text(shipping_text());
    fees::小計_SUB();
    c.TEXT8->set_text(full_width_yen(s.SUBTOTAL));
    fees::特別割_SUB();
    fees::箱割_SUB();

    recount_coupons();
    COMBO1_ADD();
    fees::クーポン割_SUB();
    fees::割引額_SUB();
    fees::補償額_SUB();
    fees::総合計金額_SUB();
    c.TEXT12->set_text(full_width_yen(s.GRAND_TOTAL));
    if (s.EDITION == EDITION_SHOP) fees::差引_SUB();
    c.MAINFORM->show();
}

}  // namespace scanfee::summary
