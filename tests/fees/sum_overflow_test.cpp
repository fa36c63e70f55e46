// Sums of amounts are stored through the checked conversion: a sum beyond the
// single-precision range ends the run with error 6 instead of being kept as
// infinity, and a sum that still fits is stored as usual.
#include <functional>
#include <limits>

#include "fees/discounts.h"
#include "fees_fixture.h"
#include "support/fatal_number.h"

namespace scanfee::fees {
namespace {

using SumOverflowTest = FeesTest;
using screens::scr;

constexpr single LARGEST = std::numeric_limits<single>::max();

struct SumCase {
    const char* name;
    // Puts amounts into the order whose sum is twice `part` when it is
    // LARGEST, and `part` itself otherwise.
    std::function<void(single part)> setup;
    std::function<void()> procedure;
    std::function<single()> stored;
};

const std::vector<SumCase>& sum_cases() {
    static const std::vector<SumCase> cases = {
        {"reference price of a perfect-bound magazine",
         [](single part) {
             order().CATEGORY = CAT_PERFECT_MAGAZINE;
             order().CURTITLE = 0;
             order().PRICE(0, CAT_PERFECT_MAGAZINE) = part;
             // (pages \ 200 + 1) times the price: twice the price at 200 pages.
             order().PAGES(0, CAT_PERFECT_MAGAZINE) = part == LARGEST ? 200 : 0;
         },
         [] { 基準価格_SUB(); }, [] { return order().BASE_PRICE; }},
        {"option amount",
         [](single part) {
             order().FEE_OPT_EDIT = part;
             order().FEE_OPT_SINGLE = 0;
             order().FEE_OPT_TRIM = part == LARGEST ? part : 0;
             order().FEE_OPT_DPI = 0;
         },
         [] { オプション金額_SUB(); }, [] { return order().OPTION_AMOUNT; }},
        {"title total",
         [](single part) {
             order().CURTITLE = 0;
             order().CATEGORY = CAT_COMICS;
             order().BASIC_AMOUNT = part;
             order().OPTION_AMOUNT = part == LARGEST ? part : 0;
         },
         [] { タイトル別合計_SUB(); }, [] { return order().TITLE_TOTAL(0, CAT_COMICS); }},
        {"category subtotal",
         [](single part) {
             order().CATEGORY = CAT_COMICS;
             order().TITLECOUNT(CAT_COMICS) = 2;
             order().TITLE_TOTAL(0, CAT_COMICS) = part;
             order().TITLE_TOTAL(1, CAT_COMICS) = part == LARGEST ? part : 0;
         },
         [] { 小合計_SUB(); }, [] { return order().CAT_SUBTOTAL(CAT_COMICS); }},
        {"work fee",
         [](single part) {
             order().CAT_SUBTOTAL(CAT_COMICS) = part;
             order().CAT_SUBTOTAL(CAT_PHOTO_BOOK) = part == LARGEST ? part : 0;
         },
         [] { 作業代_SUB(); }, [] { return order().WORK_FEE_TOTAL; }},
        {"subtotal",
         [](single part) {
             order().WORK_FEE_TOTAL = part;
             order().MEDIA_FEE = part == LARGEST ? part : 0;
             order().SHIPPING = 0;
         },
         [] { 小計_SUB(); }, [] { return order().SUBTOTAL; }},
        {"discount total",
         [](single part) {
             order().COUPON_DISC = part;
             order().BOX_DISC = part == LARGEST ? part : 0;
             order().SPECIAL_DISC = 0;
         },
         [] { 割引額_SUB(); }, [] { return order().DISCOUNT_TOTAL; }},
        {"compensation total",
         [](single part) {
             order().TITLECOUNT(CAT_COMICS) = 2;
             order().COMP_AMOUNT(0, CAT_COMICS) = part;
             order().COMP_AMOUNT(1, CAT_COMICS) = part == LARGEST ? part : 0;
         },
         [] { 補償額_SUB(); }, [] { return order().COMP_TOTAL; }},
        {"grand total",
         [](single part) {
             order().WORK_FEE_TOTAL = part;
             order().MEDIA_FEE = part == LARGEST ? part : 0;
             order().DISCOUNT_TOTAL = 0;
             order().COMP_TOTAL = 0;
             order().SHIPPING = 0;
         },
         [] { 総合計金額_SUB(); }, [] { return order().GRAND_TOTAL; }},
        {"balance after the advance payment",
         [](single part) {
             order().GRAND_TOTAL = part;
             scr().EDIT4->set_text(part == LARGEST ? "-3.4E38" : "0");
             scr().EDIT5->set_text("0");
         },
         [] { 差引_SUB(); }, [] { return order().BALANCE; }},
    };
    return cases;
}

TEST_F(SumOverflowTest, ASumBeyondTheSingleRangeIsErrorSix) {
    for (const SumCase& c : sum_cases()) {
        SCOPED_TRACE(c.name);
        c.setup(LARGEST);
        EXPECT_EQ(testing::fatal_number(c.procedure), rt::ERR_OVERFLOW);
    }
}

TEST_F(SumOverflowTest, TheLargestSumThatFitsIsStored) {
    for (const SumCase& c : sum_cases()) {
        SCOPED_TRACE(c.name);
        c.setup(LARGEST / 2);
        EXPECT_EQ(testing::fatal_number(c.procedure), 0);
        EXPECT_EQ(c.stored(), LARGEST / 2);
    }
}

}  // namespace
}  // namespace scanfee::fees
