#include "core/startup.h"

#include "core/program.h"
#include "runtime/clock.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/handlers.h"
#include "screens/screen_definitions.h"
#include "summary/summary_screen.h"
#include "ui/dialogs.h"

namespace scanfee {
namespace {

using rt::to_sjis;
using screens::scr;

bool between(double value, double low, double high) { return value >= low && value <= high; }

// Font sizes and faces of the bound controls.
void set_fonts() {
    screens::Controls& c = scr();
    for (const auto& form : screen_model().forms())
        for (const auto& control : form->controls())
            if (control->kind() != ui::Kind::HScroll) control->set_font_size(14.0);
    for (ui::Control* big : {c.TEXT11, c.TEXT12, c.TEXT13, c.TEXT14, c.TEXT37, c.TEXT38})
        big->set_font_size(22.0);
    c.TEXT56->set_font_size(20.0);
    c.TEXT47->set_font_size(16.0);
    c.TEXT48->set_font_size(16.0);
    c.LIST1->set_font_face(to_sjis("ＭＳ 明朝"));
    c.EDIT6->set_font_face(to_sjis("ＭＳ 明朝"));
    c.COMBO1->set_font_face(to_sjis("ＭＳ ゴシック"));
    c.COMBO1->set_max_length(10);
    c.COMBO1->set_ime(ui::Ime::Off);
}

// Which summary-screen fields exist in the edition.
void adapt_to_edition(int16 edition) {
    screens::Controls& c = scr();
    bool shop = edition == EDITION_SHOP;
    for (ui::Control* control : {c.CHECK6, c.TEXT49, c.TEXT50, c.TEXT51, c.TEXT52, c.TEXT53,
                                 c.TEXT54, c.TEXT55, c.EDIT4, c.EDIT5, c.EDIT7, c.CHECK8})
        control->set_visible(shop);
    if (shop) c.BUTTON15->hide();
}

}  // namespace

std::string main_caption(int16 edition) {
    return to_sjis(edition == EDITION_SHOP ? "ミクリ計算総合編集画面 Ｖｅｒ.5.0 20160415"
                                           : "ミクリ計算総合画面 Ｖｅｒ.5.0 20160415");
}

void set_today(const std::string& today) {
    OrderState& s = order();
    s.TODAY = today;
    s.YEAR = today.substr(0, 4);
    s.MONTH = today.substr(5, 2);
    s.DAY = today.substr(8, 2);
    s.MMDD = rt::val(s.MONTH) * 100 + rt::val(s.DAY);
}

void decide_special_period() {
    OrderState& s = order();
    if (s.EDITION == EDITION_CUSTOMER) {
        if (between(s.MMDD, 101, 131) || between(s.MMDD, 501, 531)) s.SPECIAL_PERIOD = 1;
        return;
    }
    if (between(s.MMDD, 101, 331) || between(s.MMDD, 501, 731)) {
        ui::message_box(screens::scr().MAINFORM, to_sjis("特別割引のチェック"),
                        to_sjis("申込み日が特別割引の適用期間内か確認して下さい"), ui::Buttons::Ok,
                        ui::Icon::Stop);
    }
}

void set_initial_appno() {
    OrderState& s = order();
    s.APPNO = s.YEAR.substr(2, 2) + s.MONTH + s.DAY + "01";
}

void set_run_defaults() {
    OrderState& s = order();
    s.DPI_DEFAULT = 156;
    s.DPI_DEFAULT_SADDLE = 120;
    const int16 limits[CATEGORY_COUNT] = {20, 60, 6, 6, 5};
    for (int c = 0; c < CATEGORY_COUNT; ++c) s.TITLE_LIMIT(c) = limits[c];
}

void start_up(const StartOptions& options) {
    OrderState& s = order();
    // The screens exist before anything addresses them; they stay hidden
    // until the summary screen is shown at the end.
    screens::define_screens(screen_model());
    screens::bind_controls(screen_model());
    screens::register_handlers(event_table());

    s.EDITION = options.edition;
    scr().MAINFORM->set_text(main_caption(s.EDITION));
    // Every reader of today's date, now and later in the run, sees the same day.
    rt::fix_today(options.today);
    set_today(rt::today_text());
    decide_special_period();
    set_initial_appno();
    set_fonts();
    scr().HSCROLL1->set_range(50, 600);
    scr().HSCROLL1->set_steps(1, 10);
    adapt_to_edition(s.EDITION);
    set_run_defaults();
    scr().FORM3->hide();
    scr().FORM4->hide();
    summary::総合画面_SETSUB();
}

void 変数_RESETSUB() {
    OrderState& s = order();
    const int slot = s.CURTITLE, cat = s.CATEGORY;
    s.TITLE(slot, cat).clear();
    s.TITLE_TOTAL(slot, cat) = 0;
    s.COMP_AMOUNT(slot, cat) = 0;
    s.OPT_COMP(slot, cat) = 0;
    s.PRICE(slot, cat) = 0;
    s.PAGES(slot, cat) = 0;
    s.EDTYPE(slot, cat) = (cat == CAT_COMICS || cat == CAT_DOUJIN) ? 1 : 0;
    s.WORK(slot, cat) = (cat == CAT_SADDLE_MAGAZINE || cat == CAT_PERFECT_MAGAZINE) ? 2 : 3;
    s.OPT_EDIT(slot, cat) = 0;
    s.OPT_NOMOIRE(slot, cat) = 0;
    s.OPT_SINGLE(slot, cat) = 0;
    s.OPT_TRIM(slot, cat) = 0;
    SETDPI_SUB();
    s.GIFT(slot, cat) = 0;
}

void SETDPI_SUB1() {
    OrderState& s = order();
    const int cat = s.CATEGORY;
    bool saddle = cat == CAT_SADDLE_MAGAZINE ||
                  (cat == CAT_DOUJIN && s.EDTYPE(s.CURTITLE, cat) == 1);
    s.CUR_DPI = saddle ? s.DPI_DEFAULT_SADDLE : s.DPI_DEFAULT;
    if (ui::Control* button = scr().BUTTON13)
        button->set_text(to_sjis(saddle ? "１２０ｄｐｉ" : "１５６ｄｐｉ"));
}

void SETDPI_SUB() {
    SETDPI_SUB1();
    OrderState& s = order();
    s.DPI(s.CURTITLE, s.CATEGORY) = s.CUR_DPI;
}

}  // namespace scanfee
