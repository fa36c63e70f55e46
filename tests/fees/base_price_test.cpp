#include "fees_fixture.h"

namespace scanfee::fees {
namespace {

using BasePriceTest = FeesTest;

TEST_F(BasePriceTest, ReferencePriceFromTheTypedPriceAndPages) {
    struct Case {
        const char* name;
        int16 cat, edtype;
        const char *price_text, *pages_text;
        single price;
        int16 pages;
        single base;
    };
    const std::vector<Case> cases = {
        {"comic 450", CAT_COMICS, 1, "450", "", 450, 0, 225},
        {"comic 451 truncates", CAT_COMICS, 1, "451", "", 451, 0, 225},
        {"comic 450.5 rounds to 451", CAT_COMICS, 1, "450.5", "", 450.5f, 0, 225},
        {"comic 451.5 rounds to 452", CAT_COMICS, 1, "451.5", "", 451.5f, 0, 226},
        {"convenience-store comic", CAT_COMICS, 2, "980", "", 980, 0, 980},
        {"comma ends the number", CAT_COMICS, 2, "1,000", "", 1, 0, 1},
        {"full-width digits", CAT_COMICS, 2, "１０", "", 0, 0, 0},
        {"doujinshi, perfect-bound", CAT_DOUJIN, 2, "500", "", 500, 0, 10},
        {"doujinshi, saddle-stitched", CAT_DOUJIN, 1, "500", "", 500, 0, 50},
        {"saddle-stitched magazine", CAT_SADDLE_MAGAZINE, 0, "700", "", 700, 0, 700},
        {"magazine 199 pages", CAT_PERFECT_MAGAZINE, 0, "1000", "199", 1000, 199, 1000},
        {"magazine 200 pages", CAT_PERFECT_MAGAZINE, 0, "1000", "200", 1000, 200, 2000},
        {"magazine 400 pages", CAT_PERFECT_MAGAZINE, 0, "1000", "400", 1000, 400, 3000},
        {"12.5 pages", CAT_PERFECT_MAGAZINE, 0, "1000", "12.5", 1000, 12, 1000},
        {"13.5 pages", CAT_PERFECT_MAGAZINE, 0, "1000", "13.5", 1000, 14, 1000},
        {"32767 pages fit", CAT_PERFECT_MAGAZINE, 0, "1", "32767", 1, 32767, 164},
        {"32767.5 pages do not", CAT_PERFECT_MAGAZINE, 0, "1", "32767.5", 1, 0, 1},
        {"photo book", CAT_PHOTO_BOOK, 0, "3000", "", 3000, 0, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        put_title(c.cat, 3, c.edtype, 3, 156);
        screens::scr().EDIT2->set_text(rt::to_sjis(c.price_text));
        screens::scr().EDIT3->set_text(c.pages_text);
        基本金額_SUB();
        EXPECT_EQ(s().PRICE(3, c.cat), c.price);
        EXPECT_EQ(s().PAGES(3, c.cat), c.pages);
        EXPECT_EQ(s().BASE_PRICE, c.base);
    }
}

TEST_F(BasePriceTest, BasicAmountByKindAndWork) {
    struct Case {
        const char* name;
        int16 cat, edtype, work;
        single capture, rebind, basic;
    };
    const std::vector<Case> cases = {
        {"comic, dismantling only", CAT_COMICS, 1, 1, 800, 400, 200},
        {"comic, scanning", CAT_COMICS, 2, 2, 800, 400, 1000},
        {"saddle-stitched magazine", CAT_SADDLE_MAGAZINE, 0, 3, 100, 25, 125},
        {"photo book, rebinding", CAT_PHOTO_BOOK, 0, 3, 800, 400, 1400},
        {"doujinshi, perfect-bound", CAT_DOUJIN, 2, 3, 200, 100, 380},
        {"doujinshi, saddle-stitched", CAT_DOUJIN, 1, 1, 100, 25, 0},
        {"doujinshi, kind 0 is saddle-stitched", CAT_DOUJIN, 0, 3, 100, 25, 125},
        {"perfect-bound magazine", CAT_PERFECT_MAGAZINE, 0, 3, 800, 400, 1400},
        {"work never set", CAT_COMICS, 0, 0, 800, 400, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        put_title(c.cat, 0, c.edtype, c.work, 156);
        s().PRICE(0, c.cat) = 99999;
        基本金額_SUB1();
        EXPECT_EQ(s().FEE_CAPTURE, c.capture);
        EXPECT_EQ(s().FEE_REBIND, c.rebind);
        EXPECT_EQ(s().BASIC_AMOUNT, c.basic);
    }
}

}  // namespace
}  // namespace scanfee::fees
