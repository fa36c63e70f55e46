#include <gtest/gtest.h>

#include "screens/entry_screen.h"
#include "screens/navigation.h"
#include "support/program_fixture.h"

namespace scanfee {
namespace {

using namespace rt::literals;

class EntryScreen : public testing::ProgramTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(EntryScreen, NewComicStartsAsFullCourseWithWarningAndNoPriceFields) {
    add_title(c().BUTTON5, "ワンピース 1"_sj);
    EXPECT_TRUE(c().FORM3->visible());
    EXPECT_FALSE(c().FORM2->visible());
    EXPECT_EQ(c().FORM3->text(), "コミック　タイトル別　申込資料作成画面"_sj);
    EXPECT_EQ(c().RADIO5->checked(), 1);
    EXPECT_EQ(c().EDIT2->text(), "1000");
    EXPECT_TRUE(c().TEXT56->visible());
    for (ui::Control* hidden : {c().GROUP1, c().RADIO1, c().RADIO2, c().EDIT2, c().EDIT3,
                                c().TEXT20, c().TEXT21, c().BUTTON12, c().RADIO4, c().CHECK7})
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    EXPECT_TRUE(c().CHECK1->visible()) << "options are open once the title has a total";
    EXPECT_EQ(c().TEXT23->text(), "１,４００"_sj);
    EXPECT_EQ(c().TEXT29->text(), "１,２００"_sj);
    EXPECT_EQ(c().TEXT38->text(), "１,４００"_sj);
    EXPECT_EQ(c().TEXT36->text(), "156 dpi (A4なら約1824×1285ピクセル)"_sj);
    EXPECT_EQ(c().TEXT31->text(), "0");
    EXPECT_EQ(c().BUTTON13->text(), "１５６ｄｐｉ"_sj);
}

TEST_F(EntryScreen, EveryOptionOfAComicAddsUpAndShowsItsSign) {
    add_title(c().BUTTON5, "A"_sj);
    click(c().CHECK1);
    click(c().CHECK3);
    click(c().CHECK4);
    click(c().CHECK2);
    scroll(c().HSCROLL1, 600);
    EXPECT_EQ(c().TEXT31->text(), "+100");
    EXPECT_EQ(c().TEXT33->text(), "-80");
    EXPECT_EQ(c().TEXT34->text(), "+800");
    EXPECT_EQ(c().TEXT35->text(), "+1600");
    EXPECT_EQ(s().OPTION_AMOUNT, 2420);
    EXPECT_EQ(c().TEXT38->text(), "３,８２０"_sj);
    EXPECT_EQ(s().DPI(0, 0), 600);
    EXPECT_EQ(s().OPT_NOMOIRE(0, 0), 1);

    click(c().BUTTON13);
    EXPECT_EQ(c().HSCROLL1->pos(), 156);
    EXPECT_EQ(c().TEXT35->text(), "0");
}

TEST_F(EntryScreen, ResolutionTextsRoundTheSinglePrecisionFactors) {
    EXPECT_EQ(screens::a4_text(50), "50 dpi (A4なら約584×412ピクセル)"_sj);
    EXPECT_EQ(screens::a4_text(156), "156 dpi (A4なら約1824×1285ピクセル)"_sj);
    EXPECT_EQ(screens::b5_text(120), "120 dpi (B5なら約863×1214ピクセル)"_sj);
}

TEST_F(EntryScreen, DismantlingOnlyClearsOptionsResolutionAndGift) {
    add_title(c().BUTTON5, "A"_sj);
    click(c().CHECK4);
    scroll(c().HSCROLL1, 400);
    click(c().RADIO3);
    EXPECT_EQ(s().WORK(0, 0), 1);
    EXPECT_EQ(s().OPT_TRIM(0, 0), 0);
    EXPECT_EQ(s().DPI(0, 0), 156);
    EXPECT_FALSE(c().CHECK4->visible());
    EXPECT_EQ(c().TEXT38->text(), "２００"_sj);
    click(c().RADIO5);
    EXPECT_TRUE(c().CHECK4->visible());
    EXPECT_EQ(c().TEXT38->text(), "１,４００"_sj);
}

TEST_F(EntryScreen, SaddleStitchedDoujinshiKeepsToItsRange) {
    screens::open_category(CAT_DOUJIN);
    s().CURTITLE = 0;
    変数_RESETSUB();
    s().TITLE(0, 1) = "本"_sj;
    s().WORK(0, 1) = 1;
    s().DPI(0, 1) = 500;
    s().ADD_ROW = 1;
    select(c().LIST1, 0);
    EXPECT_EQ(c().FORM3->text(), "同人誌　タイトル別　申込資料作成画面"_sj);
    EXPECT_FALSE(c().RADIO3->enabled()) << "no dismantling only for saddle-stitched books";
    EXPECT_EQ(s().WORK(0, 1), 3);
    EXPECT_EQ(c().RADIO1->text(), "中綴じ版"_sj);
    EXPECT_EQ(c().RADIO1->checked(), 1);
    EXPECT_EQ(c().HSCROLL1->max(), 375);
    EXPECT_EQ(s().DPI(0, 1), 375) << "a stored 500 comes down to the range";
    EXPECT_EQ(c().HSCROLL1->pos(), 375);
    EXPECT_EQ(c().TEXT35->text(), "+300");

    click(c().CHECK2);
    EXPECT_EQ(c().HSCROLL1->max(), 599);

    click(c().RADIO2);
    EXPECT_EQ(s().EDTYPE(0, 1), 2);
    EXPECT_EQ(s().PAGES(0, 1), 70);
    EXPECT_EQ(s().DPI(0, 1), 156);
    EXPECT_TRUE(c().RADIO3->enabled());
    EXPECT_EQ(c().BUTTON13->text(), "１５６ｄｐｉ"_sj);
    EXPECT_EQ(c().TEXT23->text(), "３８０"_sj);
}

TEST_F(EntryScreen, GiftIsOfferedOnlyForScanningWithoutRebinding) {
    add_title(c().BUTTON9, "写真集"_sj);
    s().WORK(0, 4) = 2;
    screens::タイトル別_SETSUB();
    EXPECT_EQ(c().RADIO4->checked(), 1);
    EXPECT_TRUE(c().CHECK7->visible());
    click(c().CHECK7);
    EXPECT_EQ(s().GIFT(0, 4), 1);
    click(c().RADIO5);
    EXPECT_FALSE(c().CHECK7->visible());
    EXPECT_EQ(c().CHECK7->checked(), 0);
    EXPECT_EQ(s().GIFT(0, 4), 0);
}

TEST_F(EntryScreen, EmptyingATitleMovesTheLaterOnesUpWithTheirFlags) {
    for (const char* name : {"A", "B", "C"}) {
        add_title(c().BUTTON5, rt::to_sjis(name));
        click(c().BUTTON14);
    }
    s().GIFT(2, 0) = 1;
    s().OPT_COMP(2, 0) = 1;
    s().COMP_AMOUNT(2, 0) = 1400;
    s().OPT_TRIM(2, 0) = 1;
    select(c().LIST1, 1);
    type(c().EDIT1, "");
    click(c().BUTTON14);
    EXPECT_EQ(s().TITLECOUNT(0), 2);
    EXPECT_EQ(s().TITLE(1, 0), "C");
    EXPECT_EQ(s().GIFT(1, 0), 1);
    EXPECT_EQ(s().OPT_TRIM(1, 0), 1);
    EXPECT_EQ(s().TITLE(2, 0), "");
    ASSERT_EQ(c().LIST1->item_count(), 3);
    EXPECT_EQ(c().LIST1->items()[2], "タイトルを追加"_sj);
}

// A full category (a loaded file may fill all 121 slots) has no free slot
// to move up into its last one.
TEST_F(EntryScreen, EmptyingATitleOfAFullCategoryLeavesEachOtherTitleOnce) {
    auto name = [](int i) {
        std::string text = "T";
        text += std::to_string(i);
        return text;
    };
    for (int16 category : {int16(0), int16(4)}) {
        SCOPED_TRACE(category);
        start();
        for (int i = 0; i < SLOT_COUNT; ++i) {
            s().TITLE(i, category) = name(i);
            s().WORK(i, category) = 3;
            s().DPI(i, category) = 156;
        }
        s().GIFT(120, category) = 1;
        click(category == 0 ? c().BUTTON5 : c().BUTTON9);
        ASSERT_EQ(s().TITLECOUNT(category), SLOT_COUNT);
        select(c().LIST1, 0);
        type(c().EDIT1, "");
        click(c().BUTTON14);
        EXPECT_EQ(s().TITLECOUNT(category), SLOT_COUNT - 1);
        for (int i = 0; i < SLOT_COUNT - 1; ++i)
            ASSERT_EQ(s().TITLE(i, category), name(i + 1)) << i;
        EXPECT_EQ(s().GIFT(119, category), 1);
        EXPECT_EQ(s().TITLE(120, category), "");
        EXPECT_EQ(s().GIFT(120, category), 0);
        EXPECT_EQ(s().GIFTCOUNT(category), 1);
    }
}

TEST_F(EntryScreen, ClosingTheAddRowWithoutANameAddsNothing) {
    click(c().BUTTON5);
    select(c().LIST1, 0);
    type(c().EDIT1, "");
    click(c().BUTTON14);
    EXPECT_EQ(s().TITLECOUNT(0), 0);
    EXPECT_EQ(c().LIST1->item_count(), 1);
    EXPECT_TRUE(c().FORM2->visible());
}

TEST_F(EntryScreen, CompensationTakesTheTitleTotalOnClose) {
    start(EDITION_SHOP);
    add_title(c().BUTTON5, "A"_sj);
    click(c().CHECK6);
    click(c().BUTTON14);
    EXPECT_EQ(s().OPT_COMP(0, 0), 1);
    EXPECT_EQ(s().COMP_AMOUNT(0, 0), 1400);
    select(c().LIST1, 0);
    EXPECT_EQ(c().CHECK6->checked(), 1);
}

TEST_F(EntryScreen, CustomerEditionNeverShowsCompensation) {
    add_title(c().BUTTON5, "A"_sj);
    EXPECT_FALSE(c().CHECK6->visible());
}

}  // namespace
}  // namespace scanfee
