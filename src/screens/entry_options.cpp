// The entry screen's options and resolution: the charge of each ticked
// option, the resolution scroll bar with its text and its upper limit, and
// the compensation mark.
#include <string>

#include "core/order_state.h"
#include "fees/option_charges.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/entry_screen.h"
#include "screens/entry_slot.h"
#include "screens/number_texts.h"

namespace scanfee::screens {
namespace {

using namespace rt::literals;

std::string pixels(double factor, int16 dpi) {
    return rt::digits_single(static_cast<single>(rt::round_half_away(factor * dpi)));
}

}  // namespace

bool saddle_screen() {
    return cat() == CAT_SADDLE_MAGAZINE || (cat() == CAT_DOUJIN && scr().RADIO1->checked() == 1);
}

std::string a4_text(int16 dpi) {
    return rt::digits_int(dpi) + " dpi (A4なら約"_sj + pixels(11.69f, dpi) + "×"_sj +
           pixels(8.24f, dpi) + "ピクセル)"_sj;
}

std::string b5_text(int16 dpi) {
    return rt::digits_int(dpi) + " dpi (B5なら約"_sj + pixels(7.19f, dpi) + "×"_sj +
           pixels(10.12f, dpi) + "ピクセル)"_sj;
}

void HSCROLL1_SUB() {
    OrderState& s = order();
    Controls& c = scr();
    s.CUR_DPI = static_cast<int16>(c.HSCROLL1->pos());
    if (saddle_screen()) {
        c.TEXT36->set_text(b5_text(s.CUR_DPI));
        fees::オプション7_SUB2();
    } else {
        c.TEXT36->set_text(a4_text(s.CUR_DPI));
        fees::オプション7_SUB1();
    }
    c.TEXT35->set_text(signed_option_text(s.FEE_OPT_DPI));
    s.DPI(slot(), cat()) = s.CUR_DPI;
}

void DPISET_SUB() {
    OrderState& s = order();
    Controls& c = scr();
    c.HSCROLL1->set_range(50, 600);
    bool saddle_doujin = cat() == CAT_DOUJIN && c.RADIO1->checked() == 1;
    // Saddle-stitched doujinshi are scanned at most at 375 dpi, or just below
    // 600 when moiré removal is waived.
    int16 top = 600;
    if (c.CHECK2->checked() == 1) {
        s.OPT_NOMOIRE(slot(), cat()) = 1;
        if (saddle_doujin) top = 599;
    } else {
        s.OPT_NOMOIRE(slot(), cat()) = 0;
        if (saddle_doujin) top = 375;
    }
    if (saddle_doujin) {
        c.HSCROLL1->set_range(50, top);
        if (s.CUR_DPI > top) s.CUR_DPI = top;
    }
    s.DPI(slot(), cat()) = s.CUR_DPI;
    c.HSCROLL1->set_pos(s.DPI(slot(), cat()));
}

void CHECK1_SUB() {
    OrderState& s = order();
    bool on = scr().CHECK1->checked() == 1;
    s.FEE_OPT_EDIT = on ? 100 : 0;
    s.OPT_EDIT(slot(), cat()) = on ? 1 : 0;
    scr().TEXT31->set_text(signed_option_text(s.FEE_OPT_EDIT));
}

void CHECK2_SUB() { DPISET_SUB(); }

void CHECK3_SUB() {
    OrderState& s = order();
    bool on = scr().CHECK3->checked() == 1;
    s.FEE_OPT_SINGLE =
        on ? rt::to_single(-rt::int_part(double(s.FEE_CAPTURE) * double(rt::ONE_TENTH))) : 0;
    s.OPT_SINGLE(slot(), cat()) = on ? 1 : 0;
    scr().TEXT33->set_text(signed_option_text(s.FEE_OPT_SINGLE));
}

void CHECK4_SUB() {
    OrderState& s = order();
    bool on = scr().CHECK4->checked() == 1;
    s.FEE_OPT_TRIM = on ? s.FEE_CAPTURE : 0;
    s.OPT_TRIM(slot(), cat()) = on ? 1 : 0;
    scr().TEXT34->set_text(signed_option_text(s.FEE_OPT_TRIM));
}

void CHECK6_SUB() {
    OrderState& s = order();
    bool on = scr().CHECK6->checked() == 1;
    s.OPT_COMP(slot(), cat()) = on ? 1 : 0;
    s.COMP_AMOUNT(slot(), cat()) = on ? s.TITLE_TOTAL(slot(), cat()) : 0;
}

}  // namespace scanfee::screens
