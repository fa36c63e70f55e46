#include <gtest/gtest.h>

#include "runtime/gcc12_false_positives.h"
#include "screens/title_list.h"
#include "summary/summary_screen.h"
#include "support/program_fixture.h"

namespace scanfee {
namespace {

using namespace rt::literals;

class SummaryScreen : public testing::ProgramTest {
protected:
    // Comics with the given number of gifts, counted as the title list does.
    void comics(int count, int gifts, single total = 1400) {
        for (int i = 0; i < count; ++i) {
            // A one-character literal: GCC 12's false -Wrestrict
            // (runtime/gcc12_false_positives.h).
            SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
            s().TITLE(i, 0) = "T";
            SCANFEE_GCC12_FALSE_POSITIVE_END
            s().WORK(i, 0) = 3;
            s().TITLE_TOTAL(i, 0) = total;
            s().GIFT(i, 0) = i < gifts ? 1 : 0;
        }
        s().CATEGORY = 0;
        screens::LIST1_ADD();
        summary::総合画面_SETSUB();
    }
};

TEST_F(SummaryScreen, StartsOnAnEmptyOrder) {
    start();
    EXPECT_TRUE(c().MAINFORM->visible());
    EXPECT_EQ(c().TEXT6->text(), "０円"_sj);
    EXPECT_EQ(c().TEXT12->text(), "０円"_sj);
    EXPECT_EQ(c().TEXT10->text(), "0円"_sj);
    EXPECT_EQ(c().TEXT2->text(), "０円"_sj);
    EXPECT_FALSE(c().TEXT15->visible());
    EXPECT_FALSE(c().TEXT39->visible());
}

TEST_F(SummaryScreen, ReturnShippingTextsFollowGiftsAgainstSeventyPercent) {
    struct Case {
        int titles, gifts;
        const char* text;
    };
    const Case cases[] = {
        {10, 7, "当店負担、０円"}, {10, 6, "着払の為、０円"},
        {3, 2, "着払の為、０円"},  {3, 3, "当店負担、０円"},
        {2, 1, "５００円"},        {2, 2, "当店負担、０円"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.titles * 100 + tc.gifts);
        start();
        comics(tc.titles, tc.gifts);
        EXPECT_EQ(c().TEXT6->text(), rt::to_sjis(tc.text));
    }
}

TEST_F(SummaryScreen, OrderAmountsReachTheScreenInFullWidth) {
    start();
    comics(15, 0);
    EXPECT_EQ(c().TEXT41->text(), "２１,０００円"_sj);
    EXPECT_EQ(c().TEXT2->text(), "２１,０００円"_sj);
    EXPECT_EQ(c().TEXT4->text(), "１００円"_sj);
    EXPECT_EQ(c().TEXT8->text(), "２１,１００円"_sj);
    EXPECT_TRUE(c().TEXT16->visible());
    EXPECT_EQ(c().TEXT16->text(), "1050円"_sj);
    EXPECT_EQ(c().TEXT12->text(), "２０,０５０円"_sj);
}

TEST_F(SummaryScreen, AmountsBeyondSixDigitsShowInExponentForm) {
    start();
    comics(1, 0, 1234567);
    EXPECT_EQ(c().TEXT41->text(), "１．,２３４,５７Ｅ,＋０６円"_sj);
}

TEST_F(SummaryScreen, ShopEditionComputesTheBalanceAndFollowsTheSpecialCheck) {
    start(EDITION_SHOP);
    comics(3, 0);
    EXPECT_EQ(c().TEXT54->text(), " 4250円"_sj);
    type(c().EDIT4, "3000");
    type(c().EDIT5, "500");
    EXPECT_EQ(c().TEXT54->text(), " 750円"_sj);
    click(c().CHECK8);
    EXPECT_TRUE(c().TEXT40->visible());
    EXPECT_EQ(s().SPECIAL_DISC, 2100);
    EXPECT_EQ(c().TEXT12->text(), "２,１５０円"_sj);
    EXPECT_EQ(c().TEXT54->text(), "-1350円"_sj);
}

TEST_F(SummaryScreen, CustomerEditionLeavesTheBalanceAlone) {
    start(EDITION_CUSTOMER);
    comics(3, 0);
    EXPECT_EQ(s().BALANCE, 0);
    EXPECT_FALSE(c().TEXT54->visible());
}

TEST_F(SummaryScreen, CouponsAreCountedUpToTheFirstGap) {
    start();
    s().COUPON[0] = "9912314031";
    s().COUPON[1] = "9912314031";
    s().COUPON[3] = "9912314031";
    summary::総合画面_SETSUB();
    EXPECT_EQ(s().COUPONCOUNT, 2);
    EXPECT_EQ(c().COMBO1->item_count(), 2);
    EXPECT_EQ(s().COUPON_DISC, 200);
}

}  // namespace
}  // namespace scanfee
