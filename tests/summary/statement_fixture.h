#pragma once
// An order priced on the summary screen, and the statement screen as the
// application output leaves it, for the tests of the breakdown and papers.
#include <string>
#include <vector>

#include "screens/title_list.h"
#include "summary/summary_screen.h"
#include "support/program_fixture.h"

namespace scanfee::testing {

// The shop sheet of worked_order(), as the statement screen shows it.
inline const std::vector<const char*> WORKED_SHOP_SHEET = {
    "　　　書籍種別　　  　　申込冊数　  　　　　　　　　  　　　　　　　　",
    "　　　　　コミック      １５冊　　  　①　作業代小計     ２１,０００円",
    "　　写真・資料集等        ２冊　　  　②　作業代小計       ５,０００円",
    "                  ",
    "　　各種割引　　  ",
    "⑧　割引券割引         １,１００円  　④　作業代合計     ２６,０００円",
    "⑨　特別割引                  ０円  　⑤　メディア代          ２００円",
    "⑩　コミック箱割り     １,０５０円  　⑥　返　送　料    着払の為、０円",
    "                                    　⑦　小　合　計     ２６,２００円",
    "",
    "　　④＝①＋②　　　　　　　　　　　　　　　　　　　  　　　　　　　　",
    "　　⑦＝④＋⑤＋⑥　　　　　　　　　　⑫　割引額合計       ２,１５０円",
    "　　⑫＝⑧＋⑨＋⑩　　　　　　　　　　⑬　作業代補償              ０円",
    "　　⑭＝(④＋⑤－⑫－⑬)＋⑥　　　　　⑭　総合計金額     ２４,０５０円",
    "　　但し(④＋⑤－⑫－⑬)＜０時は０　　　　　　　　",
    "",
    "　　　　　　　　　　　　　　　　　　　⑮　前　受　金　   ３０,０００円",
    "　　　　　　　　　　　　　　　　　　　⑯　調整割引　　        ５００円",
    "　　⑰＝⑭－⑮－⑯　　　　　　　　　　⑰　差引合計　　   －６,４５０円",
};

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
    static std::string crlf_lines(const std::vector<const char*>& lines) {
        std::string text;
        for (const char* line : lines) text += rt::to_sjis(line) + "\r\n";
        return text;
    }
};

}  // namespace scanfee::testing
