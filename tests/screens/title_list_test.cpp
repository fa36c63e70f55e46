#include <gtest/gtest.h>

#include "screens/navigation.h"
#include "screens/title_list.h"
#include "support/program_fixture.h"

namespace scanfee {
namespace {

using namespace rt::literals;

class TitleList : public testing::ProgramTest {
protected:
    void SetUp() override { start(); }

    void put(int slot, int category, const char* title, single total, int16 gift = 0) {
        s().TITLE(slot, category) = rt::to_sjis(title);
        s().TITLE_TOTAL(slot, category) = total;
        s().GIFT(slot, category) = gift;
        s().WORK(slot, category) = 3;
    }
};

TEST_F(TitleList, EmptyCategoryOffersOnlyTheAddRow) {
    click(c().BUTTON5);
    EXPECT_EQ(c().FORM2->text(),
              "コミック　申込資料作成画面（一度に申込みできるのは 20冊まで）"_sj);
    EXPECT_FALSE(c().MAINFORM->visible());
    ASSERT_EQ(c().LIST1->item_count(), 1);
    EXPECT_EQ(c().LIST1->items()[0], "タイトルを追加"_sj);
    EXPECT_EQ(c().TEXT14->text(), "０円"_sj);
}

TEST_F(TitleList, RowsAlignNumbersAmountsAndGiftMarks) {
    put(0, 0, "短い", 500);
    put(1, 0, "長い", 12000, 1);
    click(c().BUTTON5);
    ASSERT_EQ(c().LIST1->item_count(), 3);
    EXPECT_EQ(c().LIST1->items()[0], "1    \\500          短い"_sj);
    EXPECT_EQ(c().LIST1->items()[1], "2  \\12000   贈与   長い"_sj);
    EXPECT_EQ(c().TEXT14->text(), "１２,５００円"_sj);
    EXPECT_EQ(s().GIFTCOUNT(0), 1);
    EXPECT_EQ(s().TITLECOUNT(0), 2);
}

TEST_F(TitleList, WithoutGiftsSixBlanksStandBeforeTheTitleAndNumbersPadToTwoDigits) {
    for (int i = 0; i < 12; ++i) put(i, 0, "T", 1400);
    click(c().BUTTON5);
    EXPECT_EQ(c().LIST1->items()[0], " 1  \\1400      T");
    EXPECT_EQ(c().LIST1->items()[11], "12  \\1400      T");
}

TEST_F(TitleList, CategoryAtItsLimitHasNoAddRow) {
    for (int i = 0; i < 5; ++i) put(i, 4, "写真集", 1400);
    click(c().BUTTON9);
    EXPECT_EQ(c().LIST1->item_count(), 5);
    EXPECT_EQ(c().FORM2->text(),
              "写真集・資料集等　申込資料作成画面（一度に申込みできるのは 5冊まで）"_sj);
}

TEST_F(TitleList, ClearingEmptiesTheCategoryAtOnceIncludingTheSlotBehindIt) {
    for (int i = 0; i < 3; ++i) put(i, 0, "T", 1400);
    put(3, 0, "stray", 0);  // behind the count: reset as well
    s().TITLE(3, 0).clear();
    s().GIFT(3, 0) = 1;
    click(c().BUTTON5);
    click(c().BUTTON20);
    EXPECT_TRUE(dialogs.seen.empty());
    EXPECT_EQ(s().TITLECOUNT(0), 0);
    for (int i = 0; i <= 3; ++i) EXPECT_EQ(s().GIFT(i, 0), 0) << i;
    EXPECT_EQ(c().LIST1->item_count(), 1);
}

TEST_F(TitleList, AZeroTitleWarnsOnceOnTheWayBack) {
    put(0, 0, "T", 0);
    click(c().BUTTON5);
    EXPECT_EQ(s().ZERO_TOTAL_FLAG, 1);
    click(c().BUTTON11);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].caption, "未入力のお知らせメッセージ"_sj);
    EXPECT_EQ(dialogs.seen[0].text, "申込み書籍の中に金額が０円の物があります。"_sj);
    EXPECT_EQ(dialogs.seen[0].icon, ui::Icon::Information);
    EXPECT_TRUE(c().MAINFORM->visible());
    EXPECT_FALSE(c().FORM2->visible());
}

TEST_F(TitleList, AClickBelowTheRowsDoesNothing) {
    click(c().BUTTON5);
    select(c().LIST1, -1);
    EXPECT_TRUE(c().FORM2->visible());
    EXPECT_FALSE(c().FORM3->visible());
}

}  // namespace
}  // namespace scanfee
