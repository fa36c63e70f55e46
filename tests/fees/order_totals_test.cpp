#include <array>

#include "fees_fixture.h"

namespace scanfee::fees {
namespace {

using OrderTotalsTest = FeesTest;
using Counts = std::array<int16, CATEGORY_COUNT>;

// Slots 0..n-1 of every category listed, all with the same work content.
void list_titles(const Counts& counts, int16 work) {
    for (int16 cat = 0; cat < CATEGORY_COUNT; ++cat) {
        for (int16 slot = 0; slot < counts[size_t(cat)]; ++slot) order().WORK(slot, cat) = work;
        order().TITLECOUNT(cat) = counts[size_t(cat)];
    }
}

TEST_F(OrderTotalsTest, MediaFeeStepsAndTheLoopCounterLeftBehind) {
    struct Case {
        const char* name;
        Counts counts;
        int16 work;
        single fee;
        int16 curtitle;
    };
    const std::vector<Case> cases = {
        {"9 comics", {9, 0, 0, 0, 0}, 2, 50, 9},
        {"10 comics", {10, 0, 0, 0, 0}, 3, 100, 10},
        {"19 comics", {19, 0, 0, 0, 0}, 2, 100, 19},
        {"20 comics", {20, 0, 0, 0, 0}, 2, 150, 20},
        {"comics, dismantling only", {7, 0, 0, 0, 0}, 1, 0, 7},
        {"39 doujinshi", {0, 39, 0, 0, 0}, 2, 50, 39},
        {"40 doujinshi", {0, 40, 0, 0, 0}, 2, 100, 40},
        {"2 saddle-stitched", {0, 0, 2, 0, 0}, 2, 50, 2},
        {"3 saddle-stitched", {0, 0, 3, 0, 0}, 2, 100, 3},
        {"6 saddle-stitched", {0, 0, 6, 0, 0}, 2, 150, 6},
        {"2 perfect-bound", {0, 0, 0, 2, 0}, 2, 100, 2},
        {"5 photo books", {0, 0, 0, 0, 5}, 2, 250, 5},
        {"comics and photo books", {9, 0, 0, 0, 2}, 2, 150, 2},
        {"no titles", {0, 0, 0, 0, 0}, 2, 0, 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list_titles(c.counts, c.work);
        s().CURTITLE = 42;
        メディア代_SUB();
        EXPECT_EQ(s().MEDIA_FEE, c.fee);
        EXPECT_EQ(s().CURTITLE, c.curtitle);
    }
}

TEST_F(OrderTotalsTest, ReturnShippingOnlyForSmallOneCategoryOrders) {
    struct Case {
        const char* name;
        Counts counts;
        int16 gifts;
        single shipping;
    };
    const std::vector<Case> cases = {
        {"1 comic", {1, 0, 0, 0, 0}, 0, 500},
        {"2 comics, one given", {2, 0, 0, 0, 0}, 1, 500},
        {"2 comics, both given", {2, 0, 0, 0, 0}, 2, 0},
        {"3 comics", {3, 0, 0, 0, 0}, 0, 0},
        {"2 comics and a photo book", {2, 0, 0, 0, 1}, 0, 0},
        {"5 doujinshi", {0, 5, 0, 0, 0}, 0, 500},
        {"6 doujinshi", {0, 6, 0, 0, 0}, 0, 0},
        {"3 doujinshi, 2 given", {0, 3, 0, 0, 0}, 2, 500},
        {"3 doujinshi, 3 given", {0, 3, 0, 0, 0}, 3, 0},
        {"1 saddle-stitched", {0, 0, 1, 0, 0}, 0, 500},
        {"2 saddle-stitched", {0, 0, 2, 0, 0}, 0, 0},
        {"1 perfect-bound", {0, 0, 0, 1, 0}, 0, 500},
        {"1 photo book", {0, 0, 0, 0, 1}, 0, 500},
        {"2 photo books", {0, 0, 0, 0, 2}, 0, 0},
        {"no titles", {0, 0, 0, 0, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list_titles(c.counts, 2);
        int total = 0;
        for (int16 n : c.counts) total += n;
        s().GIFT_TOTAL = c.gifts;
        s().GIFT_THRESHOLD = static_cast<single>(total * double(rt::SEVEN_TENTHS));
        送料_SUB();
        EXPECT_EQ(s().SHIPPING, c.shipping);
    }
}

TEST_F(OrderTotalsTest, ListedTitlesAddUpToTheSubtotal) {
    put_title(CAT_COMICS, 0, 1, 3, 156);
    price_current_title();
    put_title(CAT_COMICS, 1, 1, 3, 600, {1, 1, 1, 1});
    price_current_title();
    s().TITLE_TOTAL(2, CAT_COMICS) = 999;  // past the list
    s().TITLECOUNT(CAT_COMICS) = 2;
    put_title(CAT_PHOTO_BOOK, 0, 0, 2, 156);
    price_current_title();
    s().TITLECOUNT(CAT_PHOTO_BOOK) = 1;
    for (s().CATEGORY = 0; s().CATEGORY < CATEGORY_COUNT; ++s().CATEGORY) 小合計_SUB();
    作業代_SUB();
    メディア代_SUB();
    送料_SUB();
    小計_SUB();
    EXPECT_EQ(s().CAT_SUBTOTAL(CAT_COMICS), 1400 + 3820);
    EXPECT_EQ(s().WORK_FEE_TOTAL, 5220 + 1000);
    EXPECT_EQ(s().SUBTOTAL, 6220 + 100);
}

}  // namespace
}  // namespace scanfee::fees
