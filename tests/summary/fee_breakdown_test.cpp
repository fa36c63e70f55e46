#include "summary/fee_breakdown.h"

#include <gtest/gtest.h>

#include "screens/handlers.h"
#include "summary/statement_fixture.h"

namespace scanfee {
namespace {

using namespace rt::literals;

class FeeBreakdown : public testing::StatementTest {
  protected:
    // Line `n` (from 1) of a text, without its CR LF.
    static std::string line(const std::string& text, int n) {
        size_t from = 0;
        for (int i = 1; i < n; ++i) from = text.find("\r\n", from) + 2;
        return text.substr(from, text.find("\r\n", from) - from);
    }
    static int line_count(const std::string& text) {
        int count = 0;
        for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
            ++count;
        return count;
    }
};

TEST_F(FeeBreakdown, ShopSheetOfTheWorkedOrderWithANegativeBalance) {
    start(EDITION_SHOP);
    worked_order();
    ASSERT_EQ(s().BALANCE, -6450);
    EXPECT_EQ(summary::fee_breakdown_text(), crlf_lines(testing::WORKED_SHOP_SHEET));
}

TEST_F(FeeBreakdown, CustomerSheetEndsWithTheProviso) {
    start(EDITION_CUSTOMER);
    worked_order();
    std::string sheet = summary::fee_breakdown_text();
    std::string shop = crlf_lines(testing::WORKED_SHOP_SHEET);
    ASSERT_EQ(line_count(sheet), 15);
    EXPECT_EQ(sheet, shop.substr(0, sheet.size()));
    EXPECT_EQ(line(sheet, 15), "　　但し(④＋⑤－⑫－⑬)＜０時は０　　　　　　　　"_sj);
}

TEST_F(FeeBreakdown, CircledSubtotalNumbersAreTheCodePageCharacters) {
    start();
    std::string sheet = summary::fee_breakdown_text();
    EXPECT_EQ(line(sheet, 2).substr(36, 4), "\x81\x40\x87\x40");
    EXPECT_EQ(line(sheet, 3).substr(36, 4), "\x81\x40\x87\x41");
}

TEST_F(FeeBreakdown, EmptyOrderCountsNoBooksAndShipsForNothing) {
    start();
    std::string sheet = summary::fee_breakdown_text();
    EXPECT_EQ(line(sheet, 2),
              "　　　　　コミック        ０冊　　  　①　作業代小計              ０円"_sj);
    EXPECT_EQ(line(sheet, 3),
              "　　写真・資料集等        ０冊　　  　②　作業代小計              ０円"_sj);
    EXPECT_EQ(line(sheet, 8),
              "⑩　コミック箱割り            ０円  　⑥　返　送　料              ０円"_sj);
}

TEST_F(FeeBreakdown, ShippingCellFollowsTheSummaryScreen) {
    struct Case {
        int count, gifts;
        single total;
        const char* cell;
    };
    const Case cases[] = {
        {2, 0, 1400, "        ５００円"},
        {10, 7, 1400, "  当店負担、０円"},
        {10, 6, 1400, "  着払の為、０円"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.cell);
        start();
        titles(CAT_COMICS, tc.count, tc.total, tc.gifts);
        refresh();
        std::string row = line(summary::fee_breakdown_text(), 8);
        EXPECT_EQ(row.substr(row.size() - 16), rt::to_sjis(tc.cell));
    }
}

TEST_F(FeeBreakdown, AMillionYenWidensItsColumnsInExponentForm) {
    start();
    titles(CAT_COMICS, 1, 1234567);
    refresh();
    std::string sheet = summary::fee_breakdown_text();
    const std::string big = "１．,２３４,５７Ｅ,＋０６円"_sj;  // 27 bytes
    // Every table line takes the width of the widest amount.
    for (int n : {1, 2, 3, 6, 7, 8, 9}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(line(sheet, n).size(), 18u + 2 + 14 + 4 + 14 + 2 + 27);
    }
    EXPECT_EQ(line(sheet, 2), "　　　　　コミック        １冊　　  　①　作業代小計  "_sj + big);
    EXPECT_EQ(line(sheet, 6), "⑧　割引券割引                ０円  　④　作業代合計  "_sj + big);
    // The formula lines line up their amounts on the exponent form as well.
    const std::string blanks = "　　　　　　　　"_sj;
    EXPECT_EQ(line(sheet, 11), "　　④＝①＋②　　　　　　　　　　　　　　　　　　　  "_sj +
                                   std::string(11, ' ') + blanks);
    const std::string total = line(sheet, 14);
    EXPECT_EQ(total.size(), line(sheet, 11).size());
    EXPECT_EQ(total.substr(total.size() - 27, 5), "１．,"_sj);
    EXPECT_EQ(total.substr(total.size() - 11), "Ｅ,＋０６円"_sj);
}

TEST_F(FeeBreakdown, OnlyTheBalanceShowsItsMinus) {
    start(EDITION_SHOP);
    s().COMP_TOTAL = -300;
    s().SMALLDISC = -20;
    s().BALANCE = -12000;
    std::string sheet = summary::fee_breakdown_text();
    EXPECT_EQ(line(sheet, 13),
              "　　⑫＝⑧＋⑨＋⑩　　　　　　　　　　⑬　作業代補償          ３００円"_sj);
    EXPECT_EQ(line(sheet, 18),
              "　　　　　　　　　　　　　　　　　　　⑯　調整割引　　          ２０円"_sj);
    EXPECT_EQ(line(sheet, 19),
              "　　⑰＝⑭－⑮－⑯　　　　　　　　　　⑰　差引合計　　 －１２,０００円"_sj);
}

class FeeBreakdownButton : public testing::StatementTest {};

TEST_F(FeeBreakdownButton, FirstPressShowsTheSheetSecondCloses) {
    for (int16 edition : {EDITION_SHOP, EDITION_CUSTOMER}) {
        SCOPED_TRACE(edition);
        start(edition);
        worked_order();
        open_statement();
        click(c().BUTTON21);
        EXPECT_EQ(c().EDIT6->text(), summary::fee_breakdown_text());
        EXPECT_EQ(s().STATEMENT_SHOWN, 0);
        EXPECT_TRUE(c().FORM5->visible());
        EXPECT_FALSE(c().MAINFORM->visible());
        EXPECT_EQ(c().BUTTON23->visible(), edition == EDITION_SHOP);

        click(c().BUTTON21);
        EXPECT_EQ(c().EDIT6->text(), "");
        EXPECT_FALSE(c().FORM5->visible());
        EXPECT_TRUE(c().MAINFORM->visible());
        EXPECT_TRUE(dialogs.seen.empty());
    }
}

TEST_F(FeeBreakdownButton, ClosingTheFrameActsAsTheButton) {
    start(EDITION_SHOP);
    open_statement();
    const std::string event = screens::frame_close_event(*c().FORM5);
    handle_event(event);
    EXPECT_EQ(s().STATEMENT_SHOWN, 0);
    EXPECT_TRUE(c().FORM5->visible());
    EXPECT_EQ(c().EDIT6->text(), summary::fee_breakdown_text());
    handle_event(event);
    EXPECT_FALSE(c().FORM5->visible());
    EXPECT_TRUE(c().MAINFORM->visible());
}

TEST_F(FeeBreakdownButton, ADeclinedStatementClosesAtOnce) {
    start();
    open_statement();
    s().STATEMENT_SHOWN = 0;
    click(c().BUTTON21);
    EXPECT_FALSE(c().FORM5->visible());
    EXPECT_TRUE(c().MAINFORM->visible());
    EXPECT_EQ(c().EDIT6->text(), "");
}

}  // namespace
}  // namespace scanfee
