#include <gtest/gtest.h>

#include "summary/coupons.h"
#include "support/program_fixture.h"

namespace scanfee {
namespace {

using namespace rt::literals;

class Coupons : public testing::ProgramTest {
protected:
    void SetUp() override { start(EDITION_CUSTOMER, "2016/04/29"); }

    void enter(const std::string& number) {
        type(c().COMBO1, number);
        click(c().BUTTON15);
    }
    std::string last_message() { return dialogs.seen.empty() ? "" : dialogs.seen.back().text; }
};

TEST_F(Coupons, ValidNumbersAddTheirValues) {
    enter("1612310031");  // scale 3, digit 1: 100 yen
    enter("1612310043");  // scale 4, digit 3: 3000 yen
    EXPECT_TRUE(dialogs.seen.empty());
    EXPECT_EQ(s().COUPONCOUNT, 2);
    EXPECT_EQ(s().COUPON_DISC, 3100);
    EXPECT_EQ(c().TEXT10->text(), "3100円"_sj);
    EXPECT_EQ(c().COMBO1->item_count(), 2);
    EXPECT_EQ(c().COMBO1->text(), "") << "the list is refilled and the field emptied";
    enter("1612310037");
    EXPECT_EQ(s().COUPON_DISC, 3800);
}

TEST_F(Coupons, RefusedNumbersLeaveTheListAsItWas) {
    struct Case {
        const char* number;
        const char* message;
    };
    const Case cases[] = {
        {"1604280031", "その割引券の番号では有効期限が過ぎています。"},
        {"1512310031", "その割引券の番号では有効期限が過ぎています。"},
        {"abcdef0031", "その割引券の番号では有効期限が過ぎています。"},
        {"1504280051", "その割引券の番号では有効期限が過ぎています。"},  // expiry is checked first
        {"1612310051", "その割引券の番号では正しい割引額が出ません。"},
        {"1612310021", "その割引券の番号では正しい割引額が出ません。"},
        {"1612310030", "その割引券の番号では正しい割引額が出ません。"},
        {"161231003", "その割引券の番号では正しい割引額が出ません。"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.number);
        dialogs.seen.clear();
        enter(tc.number);
        ASSERT_EQ(dialogs.seen.size(), 1u);
        EXPECT_EQ(dialogs.seen[0].caption, "入力エラーメッセージ"_sj);
        EXPECT_EQ(last_message(), rt::to_sjis(tc.message));
        EXPECT_EQ(dialogs.seen[0].icon, ui::Icon::Stop);
        EXPECT_EQ(s().COUPONCOUNT, 0);
    }
    dialogs.seen.clear();
    enter("1604290031");
    EXPECT_TRUE(dialogs.seen.empty()) << "a coupon dated today is still good";
}

TEST_F(Coupons, TenAtMostButReplacingOneOfTenIsAllowed) {
    for (int i = 0; i < 10; ++i) enter("1612310031");
    EXPECT_EQ(s().COUPONCOUNT, 10);
    EXPECT_EQ(s().COUPON_DISC, 1000) << "the same number twice counts twice";
    enter("1612310031");
    EXPECT_EQ(last_message(), "割引券番号の登録は１０枚分までです。"_sj);
    EXPECT_EQ(s().COUPONCOUNT, 10);

    dialogs.seen.clear();
    select(c().COMBO1, 4);
    EXPECT_EQ(s().COUPON_SEL, 4);
    type(c().COMBO1, "1612310049");
    click(c().BUTTON15);
    EXPECT_TRUE(dialogs.seen.empty());
    EXPECT_EQ(s().COUPON[4], "1612310049");
    EXPECT_EQ(s().COUPON_DISC, 9900);
    EXPECT_EQ(s().COUPON_SEL, -1);
}

TEST_F(Coupons, RemovingTheChosenOneClosesTheGap) {
    const char* numbers[] = {"1612310011", "1612310021", "1612310031", "1612310041", "1612310051"};
    for (size_t i = 0; i < 5; ++i) s().COUPON[i] = numbers[i];
    s().COUPONCOUNT = 5;
    summary::COMBO1_ADD();
    select(c().COMBO1, 2);
    type(c().COMBO1, "");
    click(c().BUTTON15);
    EXPECT_EQ(s().COUPONCOUNT, 4);
    EXPECT_EQ(s().COUPON[0], "1612310011");
    EXPECT_EQ(s().COUPON[1], "1612310021");
    EXPECT_EQ(s().COUPON[2], "1612310041");
    EXPECT_EQ(s().COUPON[3], "1612310051");
    EXPECT_EQ(s().COUPON[4], "");
}

TEST_F(Coupons, EmptyFieldWithoutAChoiceOnlyRefreshesAndShowsHalfWidthTotal) {
    s().TITLE(0, 0) = "T";
    s().WORK(0, 0) = 3;
    s().TITLE_TOTAL(0, 0) = 1400;
    click(c().BUTTON5);
    click(c().BUTTON11);
    EXPECT_EQ(c().TEXT12->text(), "１,９５０円"_sj);
    enter("1612310043");
    EXPECT_EQ(c().TEXT12->text(), "500円"_sj) << "the return shipping is charged in full";
    type(c().COMBO1, "");
    click(c().BUTTON15);
    EXPECT_EQ(s().COUPONCOUNT, 1);
    EXPECT_EQ(c().TEXT12->text(), "500円"_sj);
}

TEST_F(Coupons, ExpiryComparesWholeDates) {
    start(EDITION_CUSTOMER, "2017/01/01");
    enter("1612310031");
    EXPECT_EQ(last_message(), "その割引券の番号では有効期限が過ぎています。"_sj);
    EXPECT_EQ(summary::coupon_expiry("abcdefgh31"), 20000000);
}

}  // namespace
}  // namespace scanfee
