#include "screens/entry_screen.h"

#include <cmath>
#include <string>

#include "core/order_state.h"
#include "core/startup.h"
#include "fees/base_price.h"
#include "fees/option_charges.h"
#include "fees/order_totals.h"
#include "files/text_utils.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/entry_slot.h"
#include "screens/number_texts.h"
#include "screens/title_list.h"

namespace scanfee::screens {
namespace {

using namespace rt::literals;

void show_all(std::initializer_list<ui::Control*> controls, bool visible) {
    for (ui::Control* c : controls) c->set_visible(visible);
}

// The kind and work values of an unset slot fall back to the full course.
void default_to_full_course() {
    OrderState& s = order();
    if (s.WORK(slot(), cat()) == 0) {
        scr().RADIO5->set_checked(1);
        s.WORK(slot(), cat()) = 3;
    }
}

// Comics and photo books are priced from a fixed list price.
void fix_list_price() {
    order().PRICE(slot(), cat()) = 1000;
    scr().EDIT2->set_text("1000");
}

void hide_price_and_pages() {
    Controls& c = scr();
    show_all({c.TEXT18, c.EDIT2, c.TEXT19, c.EDIT3, c.TEXT20, c.TEXT21, c.BUTTON12}, false);
}

void fill_comics() {
    OrderState& s = order();
    Controls& c = scr();
    c.FORM3->set_text("コミック　タイトル別　申込資料作成画面"_sj);
    show_all({c.GROUP1, c.RADIO1, c.RADIO2}, false);
    hide_price_and_pages();
    fix_list_price();
    c.TEXT56->set_text(
        "コンビニ等で売られている、カバー表紙が無く、直接ＩＳＢＮバーコードが裏表紙に印刷されているコミックについては取り扱っておりません。"_sj);
    c.TEXT56->show();
    default_to_full_course();
    c.RADIO1->set_text("通常版"_sj);
    c.RADIO2->set_text("コンビニ版"_sj);
    s.EDTYPE(slot(), cat()) = 1;
    c.RADIO1->set_checked(1);
    c.RADIO2->set_checked(0);
}

void fill_doujinshi() {
    OrderState& s = order();
    Controls& c = scr();
    c.FORM3->set_text("同人誌　タイトル別　申込資料作成画面"_sj);
    default_to_full_course();
    hide_price_and_pages();
    c.RADIO1->set_text("中綴じ版"_sj);
    c.RADIO2->set_text("無線綴じ版"_sj);
    if (s.EDTYPE(slot(), cat()) == 2) {
        s.PAGES(slot(), cat()) = 70;
        c.EDIT3->set_text(rt::digits_int(s.PAGES(slot(), cat())));
        c.RADIO1->set_checked(0);
        c.RADIO2->set_checked(1);
    } else {
        // Saddle-stitched doujinshi are always scanned: no "解体のみ".
        c.RADIO3->set_enabled(false);
        if (c.RADIO3->checked() == 1) {
            c.RADIO3->set_checked(0);
            c.RADIO5->set_checked(1);
            s.WORK(slot(), cat()) = 3;
        }
        s.EDTYPE(slot(), cat()) = 1;
        c.EDIT3->hide();
        c.RADIO1->set_checked(1);
        c.RADIO2->set_checked(0);
    }
}

// Magazines enter their list price and page count and start the calculation
// themselves; they have no kind to choose.
void fill_magazines() {
    Controls& c = scr();
    c.FORM3->set_text(cat() == CAT_SADDLE_MAGAZINE ? "中綴じ雑誌　タイトル別　申込資料作成画面"_sj
                                                   : "無線綴じ雑誌　タイトル別　申込資料作成画面"_sj);
    show_all({c.GROUP1, c.RADIO1, c.RADIO2}, false);
}

void fill_photo_books() {
    Controls& c = scr();
    c.FORM3->set_text("写真集・資料集等　タイトル別　申込資料作成画面"_sj);
    default_to_full_course();
    hide_price_and_pages();
    fix_list_price();
    show_all({c.GROUP1, c.RADIO1, c.RADIO2}, false);
}

void show_options_if(bool condition) { オプション表示_SETSUB(condition ? -1 : 0); }

// After a kind change the screen is filled anew for the kind's default.
void choose_kind(int16 edtype) {
    OrderState& s = order();
    Controls& c = scr();
    s.EDTYPE(slot(), cat()) = edtype;
    s.TITLE(slot(), cat()) = c.EDIT1->text();
    s.PRICE(slot(), cat()) = rt::to_single(rt::val(c.EDIT2->text()));
    if (cat() == CAT_DOUJIN) {
        c.BUTTON13->set_text(edtype == 1 ? "１２０ｄｐｉ"_sj : "１５６ｄｐｉ"_sj);
        s.CUR_DPI = edtype == 1 ? s.DPI_DEFAULT_SADDLE : s.DPI_DEFAULT;
    }
    s.DPI(slot(), cat()) = s.CUR_DPI;
    タイトル別_SETSUB();
}

void choose_work(int16 work) {
    OrderState& s = order();
    Controls& c = scr();
    s.WORK(slot(), cat()) = work;
    if (work == 1) {
        オプションOFF_SETSUB();
    } else if (s.BASE_PRICE > 0) {
        オプションON_SETSUB();
    }
    // Only a scanned title that is not rebound can be given to the shop.
    if (work == 2) {
        c.CHECK7->show();
    } else {
        c.CHECK7->hide();
        c.CHECK7->set_checked(0);
        s.GIFT(slot(), cat()) = 0;
    }
}

void after_scroll() {
    HSCROLL1_SUB();
    タイトル別合計表示_SUB();
}

void close_entry_screen() {
    OrderState& s = order();
    Controls& c = scr();
    CHECK6_SUB();
    s.TITLE(slot(), cat()) = c.EDIT1->text();
    if (s.TITLE(slot(), cat()).empty()) {
        if (s.CURTITLE < s.ADD_ROW) {
            // An existing title was emptied: the later titles move up a slot.
            s.ADD_ROW = static_cast<int16>(s.ADD_ROW - 1);
            const int c0 = cat();
            for (int i = s.CURTITLE; i <= s.ADD_ROW && i + 1 < SLOT_COUNT; ++i) {
                s.TITLE(i, c0) = s.TITLE(i + 1, c0);
                s.TITLE_TOTAL(i, c0) = s.TITLE_TOTAL(i + 1, c0);
                s.PRICE(i, c0) = s.PRICE(i + 1, c0);
                s.PAGES(i, c0) = s.PAGES(i + 1, c0);
                s.EDTYPE(i, c0) = s.EDTYPE(i + 1, c0);
                s.WORK(i, c0) = s.WORK(i + 1, c0);
                s.OPT_EDIT(i, c0) = s.OPT_EDIT(i + 1, c0);
                s.OPT_NOMOIRE(i, c0) = s.OPT_NOMOIRE(i + 1, c0);
                s.OPT_SINGLE(i, c0) = s.OPT_SINGLE(i + 1, c0);
                s.OPT_TRIM(i, c0) = s.OPT_TRIM(i + 1, c0);
                s.DPI(i, c0) = s.DPI(i + 1, c0);
                s.GIFT(i, c0) = s.GIFT(i + 1, c0);
                s.OPT_COMP(i, c0) = s.OPT_COMP(i + 1, c0);
                s.COMP_AMOUNT(i, c0) = s.COMP_AMOUNT(i + 1, c0);
            }
            // In a full category no free slot follows to move up into the
            // last one: it is cleared, or its title would stand twice.
            if (s.ADD_ROW == SLOT_COUNT - 1) {
                const int16 open = s.CURTITLE;
                s.CURTITLE = s.ADD_ROW;
                変数_RESETSUB();
                s.CURTITLE = open;
            }
        } else {
            変数_RESETSUB();
        }
    }
    c.EDIT1->set_text({});
    c.EDIT2->set_text({});
    LIST1_ADD();
    c.LIST1->set_selected(s.CURTITLE);
    c.FORM3->hide();
    c.FORM2->show();
}

}  // namespace

void タイトル別_SETSUB() {
    OrderState& s = order();
    Controls& c = scr();
    c.TEXT56->hide();
    c.FORM3->show();
    c.FORM2->hide();
    オプション表示_SETSUB(0);
    show_all({c.TEXT18, c.EDIT2, c.TEXT19, c.EDIT3, c.TEXT28, c.TEXT29, c.GROUP1, c.RADIO1,
              c.RADIO2, c.RADIO5, c.BUTTON12},
             true);
    c.CHECK7->hide();
    c.EDIT1->set_text(s.TITLE(slot(), cat()));
    c.EDIT2->set_text(plain_text(s.PRICE(slot(), cat())));
    c.EDIT3->set_text(rt::digits_int(s.PAGES(slot(), cat())));

    c.RADIO3->set_enabled(true);
    for (ui::Control* radio : {c.RADIO3, c.RADIO4, c.RADIO5}) radio->set_checked(0);
    switch (s.WORK(slot(), cat())) {
        case 1: c.RADIO3->set_checked(1); break;
        case 2:
            c.RADIO4->set_checked(1);
            c.CHECK7->show();
            break;
        case 3: c.RADIO5->set_checked(1); break;
        default: break;
    }
    c.CHECK7->set_checked(s.GIFT(slot(), cat()) == 1);

    switch (cat()) {
        case CAT_COMICS: fill_comics(); break;
        case CAT_DOUJIN: fill_doujinshi(); break;
        case CAT_SADDLE_MAGAZINE:
        case CAT_PERFECT_MAGAZINE: fill_magazines(); break;
        case CAT_PHOTO_BOOK: fill_photo_books(); break;
        default: break;
    }

    SETDPI_SUB1();
    c.HSCROLL1->set_pos(s.CUR_DPI);
    オプションSET_SUB();
    BUTTON12_SUB();
    show_options_if(s.TITLE_TOTAL(slot(), cat()) > 0 && s.WORK(slot(), cat()) > 1);
    c.CHECK6->set_checked(s.OPT_COMP(slot(), cat()) == 1);
}

void オプション表示_SETSUB(int16 show) {
    Controls& c = scr();
    bool visible = show == -1;
    show_all({c.CHECK1, c.CHECK2, c.CHECK3, c.CHECK4, c.HSCROLL1, c.TEXT30, c.TEXT31, c.TEXT32,
              c.TEXT33, c.TEXT34, c.TEXT35, c.TEXT36, c.BUTTON13},
             visible);
    // Editing per work exists only for comics and saddle-stitched magazines.
    if (cat() == CAT_DOUJIN || cat() == CAT_PERFECT_MAGAZINE || cat() == CAT_PHOTO_BOOK)
        show_all({c.CHECK1, c.TEXT31}, false);
}

void オプションSET_SUB() {
    OrderState& s = order();
    Controls& c = scr();
    c.HSCROLL1->set_pos(s.DPI(slot(), cat()));
    c.CHECK1->set_checked(s.OPT_EDIT(slot(), cat()) == 1);
    c.CHECK2->set_checked(s.OPT_NOMOIRE(slot(), cat()) == 1);
    c.CHECK3->set_checked(s.OPT_SINGLE(slot(), cat()) == 1);
    c.CHECK4->set_checked(s.OPT_TRIM(slot(), cat()) == 1);
}

void オプションON_SETSUB() {
    OrderState& s = order();
    オプションSET_SUB();
    BUTTON12_SUB();
    show_options_if(s.BASE_PRICE > 0 && s.WORK(slot(), cat()) > 1);
}

void オプションOFF_SETSUB() {
    OrderState& s = order();
    s.OPT_EDIT(slot(), cat()) = 0;
    s.OPT_NOMOIRE(slot(), cat()) = 0;
    s.OPT_SINGLE(slot(), cat()) = 0;
    s.OPT_TRIM(slot(), cat()) = 0;
    SETDPI_SUB();
    オプションSET_SUB();
    BUTTON12_SUB();
    オプション表示_SETSUB(0);
}

void BUTTON12_SUB() {
    基本金額表示_SUB();
    HSCROLL1_SUB();
    CHECK1_SUB();
    CHECK2_SUB();
    CHECK3_SUB();
    CHECK4_SUB();
    タイトル別合計表示_SUB();
}

void 基本金額表示_SUB() {
    OrderState& s = order();
    Controls& c = scr();
    fees::基本金額_SUB();
    c.TEXT21->set_text(full_width_amount(s.BASE_PRICE));
    c.TEXT25->set_text(full_width_amount(s.FEE_DISMANTLE));
    c.TEXT27->set_text(full_width_amount(s.FEE_CAPTURE));
    std::string capture_and_rebind =
        rt::str_expr(double(s.FEE_CAPTURE) + double(s.FEE_REBIND)).substr(1);
    files::全角数字化_SUB(capture_and_rebind);
    c.TEXT29->set_text(capture_and_rebind);
    c.TEXT23->set_text(full_width_amount(s.BASIC_AMOUNT));
}

void タイトル別合計表示_SUB() {
    OrderState& s = order();
    fees::オプション金額_SUB();
    fees::タイトル別合計_SUB();
    scr().TEXT38->set_text(full_width_amount(s.TITLE_TOTAL(slot(), cat())));
}

void register_entry_screen(ui::EventTable& events) {
    events.on("HSCROLL1_CHANGE", after_scroll);
    events.on("CHECK1_ON", [] { CHECK1_SUB(); タイトル別合計表示_SUB(); });
    events.on("CHECK2_ON", [] { CHECK2_SUB(); HSCROLL1_SUB(); タイトル別合計表示_SUB(); });
    events.on("CHECK3_ON", [] { CHECK3_SUB(); タイトル別合計表示_SUB(); });
    events.on("CHECK4_ON", [] { CHECK4_SUB(); タイトル別合計表示_SUB(); });
    events.on("CHECK6_ON", CHECK6_SUB);
    events.on("CHECK7_ON", [] { order().GIFT(slot(), cat()) = scr().CHECK7->checked() == 1; });
    events.on("RADIO1_ON", [] { choose_kind(1); });
    events.on("RADIO2_ON", [] { choose_kind(2); });
    events.on("RADIO3_ON", [] { choose_work(1); });
    events.on("RADIO4_ON", [] { choose_work(2); });
    events.on("RADIO5_ON", [] { choose_work(3); });
    events.on("BUTTON12_ON", オプションON_SETSUB);
    events.on("BUTTON13_ON", [] {
        scr().HSCROLL1->set_pos(saddle_screen() ? 120 : 156);
        after_scroll();
    });
    events.on("BUTTON14_ON", close_entry_screen);
}

}  // namespace scanfee::screens
