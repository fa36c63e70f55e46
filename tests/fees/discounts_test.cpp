#include <array>

#include "fees/amount_text.h"
#include "fees/discounts.h"
#include "fees_fixture.h"

namespace scanfee::fees {
namespace {

using namespace rt::literals;
using DiscountsTest = FeesTest;
using screens::scr;

TEST_F(DiscountsTest, SpecialDiscountHalvesTheWorkFee) {
    struct Case {
        const char* name;
        int16 period;
        int check8;
        single discount;
        const char* text;  // nullptr: TEXT39 and TEXT40 stay hidden
    };
    const std::vector<Case> cases = {
        {"special period", 1, 0, 6172, "6172円"},
        {"ticked by the shop", 0, 1, 6172, "6172円"},
        {"neither", 0, 0, 0, nullptr},
        {"period flag 2", 2, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scr().TEXT39->hide();
        scr().TEXT40->hide();
        scr().TEXT40->set_text("");
        s().SPECIAL_PERIOD = c.period;
        scr().CHECK8->set_checked(c.check8);
        s().WORK_FEE_TOTAL = 12345;
        特別割_SUB();
        EXPECT_EQ(s().SPECIAL_DISC, c.discount);
        EXPECT_EQ(scr().TEXT39->visible(), c.text != nullptr);
        EXPECT_EQ(scr().TEXT40->visible(), c.text != nullptr);
        EXPECT_EQ(scr().TEXT40->text(), rt::to_sjis(c.text ? c.text : ""));
    }
}

TEST_F(DiscountsTest, BoxDiscountPerFullBox) {
    struct Case {
        const char* name;
        int16 comics;
        single comic_subtotal;
        int16 doujinshi;
        single doujin_subtotal, comic_part, doujin_part;
    };
    const std::vector<Case> cases = {
        {"15 comics", 15, 21000, 0, 0, 1050, 0},
        {"14 comics", 14, 21000, 0, 0, 0, 0},
        {"subtotal 21010 truncates", 15, 21010, 0, 0, 1050, 0},
        {"subtotal 21009.5 rounds first", 15, 21009.5f, 0, 0, 1050, 0},
        {"doujinshi short of a box", 15, 21000, 10, 3000, 1050, 0},
        {"both boxes", 20, 28000, 40, 15200, 1400, 760},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        scr().TEXT15->hide();
        scr().TEXT16->hide();
        scr().TEXT16->set_text("");
        s().TITLECOUNT(CAT_COMICS) = c.comics;
        s().CAT_SUBTOTAL(CAT_COMICS) = c.comic_subtotal;
        s().TITLECOUNT(CAT_DOUJIN) = c.doujinshi;
        s().CAT_SUBTOTAL(CAT_DOUJIN) = c.doujin_subtotal;
        箱割_SUB();
        EXPECT_EQ(s().BOX_DISC_COMIC, c.comic_part);
        EXPECT_EQ(s().BOX_DISC_DOUJIN, c.doujin_part);
        EXPECT_EQ(s().BOX_DISC, c.comic_part + c.doujin_part);
        EXPECT_EQ(scr().TEXT16->visible(), c.comics >= 15);
        EXPECT_EQ(scr().TEXT16->text(), c.comics >= 15 ? amount_text(s().BOX_DISC) : "");
    }
}

TEST_F(DiscountsTest, CouponsCarryTheirValueInTheLastTwoDigits) {
    struct Case {
        const char* name;
        std::vector<std::string> coupons;
        int16 count;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"no coupons", {}, 0, "0円"},
        {"31 and 43", {"1234567831", "1234567843"}, 2, "3100円"},
        {"only counted ones", {"1234567831", "1234567843"}, 1, "100円"},
        {"digit 9 of 0: a tenth", {"1234567805"}, 1, ".5円"},
        {"non-digits and short numbers", {"123456783A", "1234"}, 2, "0円"},
        {"a count past the slots", std::vector<std::string>(COUPON_SLOTS, "0000000031"), 30,
         "1100円"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s().COUPON = {};
        for (size_t i = 0; i < c.coupons.size(); ++i) s().COUPON[i] = c.coupons[i];
        s().COUPONCOUNT = c.count;
        クーポン割_SUB();
        EXPECT_EQ(scr().TEXT10->text(), rt::to_sjis(c.text));
    }
}

TEST_F(DiscountsTest, GrandTotalFloorsAtZeroBeforeShipping) {
    struct Case {
        single coupon, box, special, comp, shipping, total;
    };
    const std::vector<Case> cases = {
        {300, 1050, 0, 500, 0, 8250},
        {3000, 3000, 5000, 0, 500, 500},
        {0, 0, 0, 12000, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        s().WORK_FEE_TOTAL = 10000;
        s().MEDIA_FEE = 100;
        s().COUPON_DISC = c.coupon;
        s().BOX_DISC = c.box;
        s().SPECIAL_DISC = c.special;
        s().COMP_TOTAL = c.comp;
        s().SHIPPING = c.shipping;
        割引額_SUB();
        総合計金額_SUB();
        EXPECT_EQ(s().GRAND_TOTAL, c.total);
    }
}

TEST_F(DiscountsTest, CompensationOfListedTitles) {
    s().TITLECOUNT(CAT_COMICS) = 2;
    s().COMP_AMOUNT(0, CAT_COMICS) = 1400;
    s().COMP_AMOUNT(1, CAT_COMICS) = 3820;
    s().COMP_AMOUNT(2, CAT_COMICS) = 999;  // past the list
    s().TITLECOUNT(CAT_PHOTO_BOOK) = 1;
    s().COMP_AMOUNT(0, CAT_PHOTO_BOOK) = 1000;
    補償額_SUB();
    EXPECT_EQ(scr().TEXT50->text(), "6220円"_sj);
}

TEST_F(DiscountsTest, BalanceKeepsItsSign) {
    const std::vector<std::array<const char*, 3>> cases = {
        {"3000", "500", " 6500円"},
        {"12000", "", "-2000円"},
        {"abc", "1,500", " 9999円"},
        {"10000", "", " 0円"},
    };
    for (const auto& [advance, adjustment, text] : cases) {
        SCOPED_TRACE(text);
        s().GRAND_TOTAL = 10000;
        scr().EDIT4->set_text(advance);
        scr().EDIT5->set_text(adjustment);
        差引_SUB();
        EXPECT_EQ(scr().TEXT54->text(), rt::to_sjis(text));
    }
}

TEST_F(DiscountsTest, AmountTextLosesTheSignColumn) {
    EXPECT_EQ(amount_text(-500), "500円"_sj);
    EXPECT_EQ(amount_text(1000000), "1E+06円"_sj);
}

}  // namespace
}  // namespace scanfee::fees
