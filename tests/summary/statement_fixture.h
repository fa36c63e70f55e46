#pragma once
// An order priced on the summary screen, and the statement screen as the
// application output leaves it, for the tests of the breakdown and papers.
#include <string>

#include "screens/title_list.h"
#include "summary/summary_screen.h"
#include "support/program_fixture.h"

namespace scanfee::testing {

class StatementTest : public ProgramTest {
protected:
    // `count` titles of the category worth `total` each, counted as the title
    // list counts them; `gifts` of them are gifts.
    void titles(int16 category, int count, single total, int gifts = 0) {
        for (int i = 0; i < count; ++i) {
            s().TITLE(i, category).assign(1, 'T');
            s().WORK(i, category) = 3;
            s().TITLE_TOTAL(i, category) = total;
            s().GIFT(i, category) = i < gifts ? 1 : 0;
        }
        s().CATEGORY = category;
        screens::LIST1_ADD();
    }
    void refresh() { summary::総合画面_SETSUB(); }

    // The worked order: 15 comics of 1,400 yen (2 of them gifts), 2 photo
    // books of 2,500 yen, two coupons (100 and 1,000 yen); in the shop
    // edition 30,000 yen paid in advance and 500 yen adjustment discount.
    void worked_order() {
        titles(CAT_PHOTO_BOOK, 2, 2500);
        titles(CAT_COMICS, 15, 1400, 2);
        s().COUPON[0] = "9912314031";
        s().COUPON[1] = "9912314041";
        refresh();
        if (s().EDITION == EDITION_SHOP) {
            type(c().EDIT4, "30000");
            type(c().EDIT5, "500");
        }
    }

    // What the output button leaves: the work-fee statement in EDIT6, FORM5
    // shown without its invoice button, the summary screen hidden.
    void open_statement(const std::string& statement = "作業代明細書\r\n"_sj) {
        c().EDIT6->set_text(statement);
        c().BUTTON23->hide();
        c().FORM5->show();
        c().MAINFORM->hide();
        s().STATEMENT_SHOWN = 1;
    }

    // UTF-8 lines joined with CR LF after each, in Shift-JIS.
    static std::string crlf_lines(std::initializer_list<const char*> lines) {
        std::string text;
        for (const char* line : lines) text += rt::to_sjis(line) + "\r\n";
        return text;
    }
};

}  // namespace scanfee::testing
