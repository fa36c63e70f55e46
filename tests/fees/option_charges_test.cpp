#include "fees_fixture.h"

namespace scanfee::fees {
namespace {

using OptionChargesTest = FeesTest;

TEST_F(OptionChargesTest, ResolutionSurchargeAtTheTableBoundaries) {
    struct Case {
        int16 cat, edtype, nomoire, dpi;
        single charge;
    };
    const std::vector<Case> cases = {
        // Table A, capture fee 800 unless noted.
        {CAT_COMICS, 1, 0, 156, 0}, {CAT_COMICS, 1, 0, 166, 0}, {CAT_COMICS, 1, 0, 167, 400},
        {CAT_COMICS, 1, 0, 333, 400}, {CAT_COMICS, 1, 0, 334, 4000}, {CAT_COMICS, 1, 1, 250, 0},
        {CAT_COMICS, 1, 1, 251, 400}, {CAT_COMICS, 1, 1, 450, 400}, {CAT_COMICS, 1, 1, 451, 1600},
        {CAT_COMICS, 1, 2, 334, 4000},  // a flag of 2 is not a waiver
        {CAT_DOUJIN, 2, 0, 334, 1000},  // capture fee 200
        {CAT_PERFECT_MAGAZINE, 0, 0, 167, 400}, {CAT_PHOTO_BOOK, 0, 1, 600, 1600},
        // Table B, capture fee 100.
        {CAT_DOUJIN, 1, 0, 120, 0}, {CAT_DOUJIN, 1, 0, 187, 0}, {CAT_DOUJIN, 1, 0, 188, 200},
        {CAT_DOUJIN, 1, 0, 250, 200}, {CAT_DOUJIN, 1, 0, 251, 300}, {CAT_DOUJIN, 1, 1, 149, 0},
        {CAT_DOUJIN, 1, 1, 150, 50}, {CAT_DOUJIN, 1, 1, 299, 50}, {CAT_DOUJIN, 1, 1, 300, 200},
        {CAT_DOUJIN, 1, 1, 349, 200}, {CAT_DOUJIN, 1, 1, 350, 300},
        {CAT_SADDLE_MAGAZINE, 0, 0, 188, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "category " << c.cat << " kind " << c.edtype
                                        << " waived " << c.nomoire << " dpi " << c.dpi);
        put_title(c.cat, 0, c.edtype, 3, c.dpi, {.nomoire = c.nomoire});
        基本金額_SUB1();
        オプション金額_SUB1();
        EXPECT_EQ(s().CUR_DPI, c.dpi);
        EXPECT_EQ(s().FEE_OPT_DPI, c.charge);
    }
}

TEST_F(OptionChargesTest, TickedOptionsFollowTheCaptureFee) {
    struct Case {
        const char* name;
        int16 cat, edtype;
        Options options;
        single edit, single_page, trim;
    };
    const std::vector<Case> cases = {
        {"comic", CAT_COMICS, 1, {1, 0, 1, 1}, 100, -80, 800},
        {"perfect-bound doujinshi", CAT_DOUJIN, 2, {0, 0, 1, 0}, 0, -20, 0},
        {"saddle-stitched doujinshi", CAT_DOUJIN, 1, {1, 0, 1, 0}, 100, -10, 0},
        {"flags other than 1", CAT_COMICS, 1, {2, 0, 2, -1}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        put_title(c.cat, 0, c.edtype, 3, 156, c.options);
        基本金額_SUB1();
        オプション金額_SUB1();
        EXPECT_EQ(s().FEE_OPT_EDIT, c.edit);
        EXPECT_EQ(s().FEE_OPT_SINGLE, c.single_page);
        EXPECT_EQ(s().FEE_OPT_TRIM, c.trim);
    }
}

TEST_F(OptionChargesTest, ComicWithEveryOptionWaivedAt600Dpi) {
    put_title(CAT_COMICS, 0, 1, 3, 600, {1, 1, 1, 1});
    price_current_title();
    EXPECT_EQ(s().OPTION_AMOUNT, 2420);
    EXPECT_EQ(s().TITLE_TOTAL(0, CAT_COMICS), 1400 + 2420);
}

}  // namespace
}  // namespace scanfee::fees
