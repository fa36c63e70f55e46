#include <gtest/gtest.h>

#include "runtime/clock.h"
#include "runtime/gcc12_false_positives.h"
#include "support/program_fixture.h"

namespace scanfee {
namespace {

using testing::ProgramTest;
using namespace rt::literals;

struct PeriodCase {
    const char* today;
    int special_period;  // customer edition
    bool reminder;       // shop edition
};

TEST(SpecialPeriod, CustomerGetsJanuaryAndMayShopIsRemindedJanuaryToMarchAndMayToJuly) {
    const PeriodCase cases[] = {
        {"2016/01/01", 1, true},  {"2016/01/31", 1, true},  {"2016/02/01", 0, true},
        {"2016/03/31", 0, true},  {"2016/04/01", 0, false}, {"2016/04/30", 0, false},
        {"2016/05/01", 1, true},  {"2016/05/31", 1, true},  {"2016/06/01", 0, true},
        {"2016/07/31", 0, true},  {"2016/08/01", 0, false}, {"2016/12/31", 0, false},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.today);
        testing::FakeDialogs dialogs;
        ui::set_dialog_service(&dialogs);

        reset_order();
        order().EDITION = EDITION_CUSTOMER;
        set_today(tc.today);
        decide_special_period();
        EXPECT_EQ(order().SPECIAL_PERIOD, tc.special_period);
        EXPECT_TRUE(dialogs.seen.empty());

        reset_order();
        order().EDITION = EDITION_SHOP;
        set_today(tc.today);
        decide_special_period();
        EXPECT_EQ(order().SPECIAL_PERIOD, 0);
        ASSERT_EQ(dialogs.seen.size(), tc.reminder ? 1u : 0u);
        if (tc.reminder) {
            EXPECT_EQ(dialogs.seen[0].caption, "特別割引のチェック"_sj);
            EXPECT_EQ(dialogs.seen[0].text, "申込み日が特別割引の適用期間内か確認して下さい"_sj);
            EXPECT_EQ(dialogs.seen[0].buttons, ui::Buttons::Ok);
            EXPECT_EQ(dialogs.seen[0].icon, ui::Icon::Stop);
        }
        ui::set_dialog_service(nullptr);
    }
}

TEST(StartUp, TodayIsCutIntoItsPartsAndFormsTheApplicationNumber) {
    reset_order();
    set_today("2016/04/29");
    set_initial_appno();
    EXPECT_EQ(order().YEAR, "2016");
    EXPECT_EQ(order().MONTH, "04");
    EXPECT_EQ(order().DAY, "29");
    EXPECT_EQ(order().MMDD, 429);
    EXPECT_EQ(order().APPNO, "16042901");
}

class StartDate : public ProgramTest {};

TEST_F(StartDate, AGivenDateIsTodayForTheWholeRunAndAFreshRunReadsTheClock) {
    start(EDITION_SHOP, "2016/05/01");
    EXPECT_EQ(s().TODAY, "2016/05/01");
    EXPECT_EQ(rt::today_text(), "2016/05/01");
    reset_program();
    EXPECT_EQ(rt::today_text().size(), 10u);
    EXPECT_NE(rt::today_text(), "2016/05/01");
    ui::set_dialog_service(&dialogs);
    start_up({EDITION_CUSTOMER, ""});
    EXPECT_EQ(s().TODAY, rt::today_text());
}

class SlotReset : public ProgramTest {};

TEST_F(SlotReset, GivesEachCategoryItsDefaults) {
    start();
    struct Case {
        int16 category, edtype, work, dpi;
        const char* button13;
    };
    const Case cases[] = {
        {CAT_COMICS, 1, 3, 156, "１５６ｄｐｉ"},
        {CAT_DOUJIN, 1, 3, 120, "１２０ｄｐｉ"},
        {CAT_SADDLE_MAGAZINE, 0, 2, 120, "１２０ｄｐｉ"},
        {CAT_PERFECT_MAGAZINE, 0, 2, 156, "１５６ｄｐｉ"},
        {CAT_PHOTO_BOOK, 0, 3, 156, "１５６ｄｐｉ"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.category);
        s().CATEGORY = tc.category;
        s().CURTITLE = 7;
        // A one-character literal: GCC 12's false -Wrestrict
        // (runtime/gcc12_false_positives.h).
        SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
        s().TITLE(7, tc.category) = "x";
        SCANFEE_GCC12_FALSE_POSITIVE_END
        s().GIFT(7, tc.category) = 1;
        s().OPT_TRIM(7, tc.category) = 1;
        s().COMP_AMOUNT(7, tc.category) = 500;
        s().TITLECOUNT(tc.category) = 8;
        変数_RESETSUB();
        EXPECT_EQ(s().TITLE(7, tc.category), "");
        EXPECT_EQ(s().EDTYPE(7, tc.category), tc.edtype);
        EXPECT_EQ(s().WORK(7, tc.category), tc.work);
        EXPECT_EQ(s().DPI(7, tc.category), tc.dpi);
        EXPECT_EQ(s().GIFT(7, tc.category), 0);
        EXPECT_EQ(s().OPT_TRIM(7, tc.category), 0);
        EXPECT_EQ(s().COMP_AMOUNT(7, tc.category), 0);
        EXPECT_EQ(c().BUTTON13->text(), rt::to_sjis(tc.button13));
        EXPECT_EQ(s().TITLECOUNT(tc.category), 8) << "the reset leaves the counts alone";
    }
}

TEST_F(SlotReset, StartUpSetsLimitsResolutionsAndTheScrollRange) {
    start(EDITION_SHOP, "2016/04/29");
    const int16 limits[] = {20, 60, 6, 6, 5};
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        EXPECT_EQ(s().TITLE_LIMIT(category), limits[category]);
    EXPECT_EQ(s().DPI_DEFAULT, 156);
    EXPECT_EQ(s().DPI_DEFAULT_SADDLE, 120);
    EXPECT_EQ(c().HSCROLL1->min(), 50);
    EXPECT_EQ(c().HSCROLL1->max(), 600);
    EXPECT_EQ(c().HSCROLL1->small_step(), 1);
    EXPECT_EQ(c().HSCROLL1->large_step(), 10);
    EXPECT_EQ(c().MAINFORM->text(), "ミクリ計算総合編集画面 Ｖｅｒ.5.0 20160415"_sj);
    EXPECT_TRUE(c().MAINFORM->visible());
    EXPECT_FALSE(c().FORM2->visible());
    EXPECT_FALSE(c().FORM3->visible());
}

class MainLoop : public ProgramTest {};

TEST_F(MainLoop, DeferredActionRunsAfterTheHandlerAndIsCleared) {
    start();
    int seen_code = -1;
    event_table().on("TEST_ON", [&] {
        order().PENDING_ACTION = 22;
        seen_code = order().PENDING_ACTION;
    });
    EXPECT_TRUE(handle_event("test_on")) << "event names ignore case";
    EXPECT_EQ(seen_code, 22);
    EXPECT_EQ(order().PENDING_ACTION, 0);
    EXPECT_FALSE(handle_event("TEXT1_CLICK")) << "events without a handler are ignored";
}

TEST_F(MainLoop, EndButtonRequestsTheEndWithoutAQuestion) {
    start();
    s().TITLE(0, 0) = "unsaved"_sj;
    click(c().BUTTON1);
    EXPECT_TRUE(end_requested());
    EXPECT_TRUE(dialogs.seen.empty());
}

}  // namespace
}  // namespace scanfee
