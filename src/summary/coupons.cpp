#include "summary/coupons.h"

#include "core/order_state.h"
#include "fees/discounts.h"
#include "runtime/sjis.h"
#include "runtime/text_ops.h"
#include "screens/controls.h"
#include "screens/number_texts.h"
#include "ui/dialogs.h"

namespace scanfee::summary {
namespace {

using namespace rt::literals;
using screens::scr;

void refuse(const std::string& text) {
    ui::message_box(scr().MAINFORM, "入力エラーメッセージ"_sj, text, ui::Buttons::Ok,
                    ui::Icon::Stop);
}

double today_number() {
    const OrderState& s = order();
    return rt::val(s.YEAR) * 10000 + rt::val(s.MONTH) * 100 + rt::val(s.DAY);
}

void register_or_replace(const std::string& number) {
    OrderState& s = order();
    if (coupon_expiry(number) < today_number())
        return refuse("その割引券の番号では有効期限が過ぎています。"_sj);
    if (!has_valid_amount(number))
        return refuse("その割引券の番号では正しい割引額が出ません。"_sj);
    if (s.COUPON_SEL == -1) {
        if (s.COUPONCOUNT == COUPONS_COUNTED)
            return refuse("割引券番号の登録は１０枚分までです。"_sj);
        s.COUPON[size_t(s.COUPONCOUNT)] = number;
        ++s.COUPONCOUNT;
    } else if (s.COUPON_SEL >= 0 && s.COUPON_SEL < COUPONS_COUNTED) {
        s.COUPON[size_t(s.COUPON_SEL)] = number;
    }
}

void remove_selected() {
    OrderState& s = order();
    if (s.COUPON_SEL < 0 || s.COUPON_SEL >= s.COUPONCOUNT) return;
    for (int i = s.COUPON_SEL; i < s.COUPONCOUNT; ++i)
        s.COUPON[size_t(i)] = s.COUPON[size_t(i) + 1];
    --s.COUPONCOUNT;
}

}  // namespace

// The amount is (character 10) × 10 ^ ((character 9) − 1): scale 3 or 4 and
// a digit 1 to 9.
bool has_valid_amount(const std::string& number) {
    double scale = rt::val(rt::MID(number, 9, 1));
    double digit = rt::val(rt::MID(number, 10, 1));
    return scale >= 3 && scale <= 4 && digit != 0;
}

double coupon_expiry(const std::string& number) {
    return 20000000 + rt::val(rt::MID(number, 1, 2)) * 10000 + rt::val(rt::MID(number, 3, 2)) * 100 +
           rt::val(rt::MID(number, 5, 2));
}

void recount_coupons() {
    OrderState& s = order();
    int16 count = 0;
    while (count < COUPONS_COUNTED && !s.COUPON[size_t(count)].empty()) ++count;
    s.COUPONCOUNT = count;
}

void COMBO1_ADD() {
    OrderState& s = order();
    ui::Control* combo = scr().COMBO1;
    // Emptying the combo box empties its edit field as well.
    combo->clear_items();
    combo->set_text({});
    s.COUPON_SEL = -1;
    for (int i = 0; i < s.COUPONCOUNT; ++i) combo->add_item(s.COUPON[size_t(i)]);
    fees::クーポン割_SUB();
}

void COMBO1_CHANGE() {
    int index = scr().COMBO1->selected();
    if (index >= 0) order().COUPON_SEL = static_cast<int16>(index);
}

void BUTTON15_ON() {
    OrderState& s = order();
    recount_coupons();
    std::string number = scr().COMBO1->text();
    if (!number.empty())
        register_or_replace(number);
    else
        remove_selected();

    // Only the amounts after the discounts follow; the rest of the summary
    // keeps its values until the next full refresh.
    COMBO1_ADD();
    fees::割引額_SUB();
    fees::補償額_SUB();
    fees::総合計金額_SUB();
    scr().TEXT12->set_text(screens::plain_text(s.GRAND_TOTAL) + "円"_sj);
}

void register_coupons(ui::EventTable& events) {
    events.on("BUTTON15_ON", BUTTON15_ON);
    events.on("COMBO1_CHANGE", COMBO1_CHANGE);
}

}  // namespace scanfee::summary
