#include "core/order_state.h"
#include "core/startup.h"
#include "fees/base_price.h"
#include "fees/option_charges.h"
#include "fees/order_totals.h"
#include "files/file_steps.h"
#include "files/order_file.h"
#include "files/order_file_format.h"
#include "files/recovery.h"
#include "screens/controls.h"

namespace scanfee::files {
namespace {

void reset_every_slot() {
    OrderState& s = order();
    for (s.CATEGORY = 0; s.CATEGORY < CATEGORY_COUNT; ++s.CATEGORY)
        for (s.CURTITLE = 0; s.CURTITLE < SLOT_COUNT; ++s.CURTITLE) 変数_RESETSUB();
}

void load_title(const OrderFileTitle& t) {
    OrderState& s = order();
    const int16 k = t.category;
    s.CATEGORY = k;
    ++s.TITLECOUNT(k);
    const int16 slot = static_cast<int16>(s.TITLECOUNT(k) - 1);
    s.CURTITLE = slot;
    s.EDTYPE(slot, k) = t.edtype;
    s.WORK(slot, k) = t.work;
    s.OPT_EDIT(slot, k) = t.options[0];
    s.OPT_NOMOIRE(slot, k) = t.options[1];
    s.OPT_SINGLE(slot, k) = t.options[2];
    s.OPT_TRIM(slot, k) = t.options[3];
    s.DPI(slot, k) = t.dpi;
    s.CUR_DPI = t.dpi;
    s.TITLE(slot, k) = t.title;
    fees::基本金額_SUB1();
    fees::オプション金額_SUB1();
    fees::オプション金額_SUB();
    fees::タイトル別合計_SUB();
    if (t.comp) s.OPT_COMP(slot, k) = *t.comp;
    if (s.OPT_COMP(slot, k) == 1) s.COMP_AMOUNT(slot, k) = s.TITLE_TOTAL(slot, k);
    s.GIFT(slot, k) = t.gift;
    if (s.GIFT(slot, k) == 1) ++s.GIFTCOUNT(k);
}

}  // namespace

void apply_order_file(const OrderFileContent& content) {
    OrderState& s = order();
    screens::Controls& c = screens::scr();
    reset_every_slot();
    c.EDIT4->set_text({});
    c.EDIT5->set_text({});
    c.EDIT7->set_text({});

    // What the file does not hold is empty in the loaded order, as in the
    // emptied boxes; nothing of the previous order stays behind.
    s.CUSTNAME = content.name.value_or(std::string());
    if (content.name) c.EDIT7->set_text(*content.name);
    s.ADVANCE = content.advance.value_or(0);
    if (content.advance) c.EDIT4->set_text(rt::digits_single(s.ADVANCE));
    s.SMALLDISC = content.discount.value_or(0);
    if (content.discount) c.EDIT5->set_text(rt::digits_single(s.SMALLDISC));

    for (std::string& coupon : s.COUPON) coupon.clear();
    for (size_t i = 0; i < content.coupons.size() && i < COUPON_SLOTS; ++i)
        s.COUPON[i] = content.coupons[i];
    s.COUPONCOUNT = static_cast<int16>(content.coupons.size());

    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        s.TITLECOUNT(category) = 0;
        s.GIFTCOUNT(category) = 0;
    }
    for (const OrderFileTitle& title : content.titles) load_title(title);
    for (s.CATEGORY = 0; s.CATEGORY < CATEGORY_COUNT; ++s.CATEGORY) fees::小合計_SUB();
}

bool RFILE_SUB() {
    const std::string& path = order().FILENAME;
    const ui::Form* owner = screens::scr().MAINFORM;
    OrderFileParse parsed = read_order_file(path);
    if (parsed.read_error) {
        report_read_failure(owner, *parsed.read_error);
        return false;
    }
    if (!parsed.content) {
        report_bad_content(owner, path, parsed.refusal);
        return false;
    }
    apply_order_file(*parsed.content);
    note_order_saved();
    return true;
}

}  // namespace scanfee::files
