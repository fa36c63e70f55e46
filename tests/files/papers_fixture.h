#pragma once
// Orders for the paper tests: the program started in an edition, titles put
// straight into their slots and priced as the entry screen prices them.
#include <string>

#include "core/startup.h"
#include "fees/base_price.h"
#include "fees/option_charges.h"
#include "fees/order_totals.h"
#include "summary/summary_screen.h"
#include "support/program_fixture.h"

namespace scanfee::testing {

struct Book {
    int category = CAT_COMICS;
    std::string title;  // Shift-JIS
    int16 work = 2;
    int16 edit = 0, nomoire = 0, single_page = 0, trim = 0;
    int16 dpi = 156;
    int16 gift = 0;
    int16 comp = 0;
    int16 edtype = 1;
    rt::single price = 1000;
};

class PapersTest : public ProgramTest {
protected:
    // Adds the book as the next title of its category and prices it.
    void put(const Book& b) {
        OrderState& o = order();
        o.CATEGORY = int16(b.category);
        o.CURTITLE = o.TITLECOUNT(b.category);
        変数_RESETSUB();
        const int t = o.CURTITLE, k = b.category;
        o.TITLE(t, k) = b.title;
        o.EDTYPE(t, k) = b.edtype;
        o.WORK(t, k) = b.work;
        o.OPT_EDIT(t, k) = b.edit;
        o.OPT_NOMOIRE(t, k) = b.nomoire;
        o.OPT_SINGLE(t, k) = b.single_page;
        o.OPT_TRIM(t, k) = b.trim;
        o.DPI(t, k) = b.dpi;
        o.GIFT(t, k) = b.gift;
        o.OPT_COMP(t, k) = b.comp;
        o.PRICE(t, k) = b.price;
        fees::基本金額_SUB1();
        fees::オプション金額_SUB1();
        fees::オプション金額_SUB();
        fees::タイトル別合計_SUB();
        if (b.comp == 1) o.COMP_AMOUNT(t, k) = o.TITLE_TOTAL(t, k);
        o.TITLECOUNT(k) = int16(o.TITLECOUNT(k) + 1);
        if (b.gift == 1) o.GIFTCOUNT(k) = int16(o.GIFTCOUNT(k) + 1);
    }
    // The order's totals as the summary screen shows them.
    void summarise() { summary::総合画面_SETSUB(); }
};

// Lines joined with CR LF, each one ended by it.
inline std::string crlf_lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

inline std::string blanks(size_t n) { return std::string(n, ' '); }

}  // namespace scanfee::testing
