// The recovery copy: kept while the order differs from the file last saved
// or loaded, offered back to the next run, never fatal.
#include "files/recovery.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app/recovery_start.h"
#include "runtime/stale_temporaries.h"
#include "runtime/text_file.h"
#include "support/program_fixture.h"
#include "support/temp_dir.h"

namespace scanfee::testing {
namespace {

namespace fs = std::filesystem;

class RecoveryTest : public ProgramTest {
protected:
    TempDir folder;

    // A run of the edition keeping its copy in the scratch folder; the
    // answers queued here meet the question at its start.
    void run(int16 edition, std::deque<int> answers = {}) {
        start(edition);
        dialogs.answers = std::move(answers);
        app::keep_recovery_copy_in(folder.folder(), edition);
    }
    std::string copy(const char* name = "customer.SAV") const {
        std::string path = folder.path(name);
        return std::filesystem::exists(path) ? TempDir::read(path) : std::string("(none)");
    }
    bool asked() const {
        for (const SeenDialog& d : dialogs.seen)
            if (d.buttons == ui::Buttons::YesNo) return true;
        return false;
    }
    void enter_comic(const std::string& title) {
        add_title(c().BUTTON5, title);
        click(c().BUTTON14);
        click(c().BUTTON11);
    }
};

TEST_F(RecoveryTest, TheCopyFollowsEveryChangeEvenATitleStillBeingEntered) {
    run(EDITION_CUSTOMER);
    EXPECT_EQ(copy(), "(none)");  // a fresh order needs no copy
    add_title(c().BUTTON5, "ABC"_sj);
    EXPECT_EQ(copy(), "割引券:0\r\n013,0000,156,0,ABC\r\n"_sj);
    click(c().RADIO3);  // cutting only
    EXPECT_EQ(copy(), "割引券:0\r\n011,0000,156,0,ABC\r\n"_sj);
    click(c().BUTTON14);
    click(c().BUTTON11);
    // Emptied again, the order needs no copy any more.
    click(c().BUTTON5);
    click(c().BUTTON20);
    EXPECT_EQ(copy(), "(none)");
}

TEST_F(RecoveryTest, AnUnsavedOrderIsOfferedBackAndYesRestoresItAsALoadWould) {
    run(EDITION_SHOP);
    enter_comic("ONE"_sj);
    type(c().EDIT7, "山田 太郎"_sj);
    type(c().EDIT4, "500");
    const float total = s().GRAND_TOTAL;
    const std::string kept = copy("shop.SAV");

    run(EDITION_SHOP, {ui::ANSWER_YES});
    ASSERT_TRUE(asked());
    EXPECT_EQ(dialogs.seen[0].text, files::recovery_question(1, 0));
    EXPECT_EQ(s().TITLE(0, CAT_COMICS), "ONE"_sj);
    EXPECT_EQ(s().TITLECOUNT(CAT_COMICS), 1);
    EXPECT_EQ(c().EDIT7->text(), "山田 太郎"_sj);
    EXPECT_EQ(c().EDIT4->text(), "500");
    EXPECT_EQ(s().GRAND_TOTAL, total);
    EXPECT_EQ(s().BALANCE, total - 500);
    // Restored is not saved: the copy stays until the order is saved.
    EXPECT_EQ(copy("shop.SAV"), kept);
}

TEST_F(RecoveryTest, TheShopsSpecialDiscountTickComesBackWithTheOrder) {
    run(EDITION_SHOP);
    enter_comic("ONE"_sj);
    const std::string order = copy("shop.SAV");
    click(c().CHECK8);
    const float total = s().GRAND_TOTAL;
    EXPECT_EQ(copy("shop.SAV"), order + "特別割引適用:1\r\n"_sj);

    run(EDITION_SHOP, {ui::ANSWER_YES});
    ASSERT_TRUE(asked());
    EXPECT_EQ(c().CHECK8->checked(), 1);
    EXPECT_GT(s().SPECIAL_DISC, 0);
    EXPECT_EQ(s().GRAND_TOTAL, total);

    // The tick alone is no unsaved order: no file holds it.
    dialogs.replies = {folder.path("order")};
    click(c().BUTTON3);
    click(c().CHECK8);
    EXPECT_EQ(copy("shop.SAV"), "(none)");
}

TEST_F(RecoveryTest, NoDiscardsTheCopyAndTheFreshOrderStays) {
    run(EDITION_CUSTOMER);
    enter_comic("ONE"_sj);
    run(EDITION_CUSTOMER, {ui::ANSWER_NO});
    ASSERT_TRUE(asked());
    EXPECT_EQ(s().TITLECOUNT(CAT_COMICS), 0);
    EXPECT_EQ(copy(), "(none)");
    run(EDITION_CUSTOMER);
    EXPECT_FALSE(asked());
}

TEST_F(RecoveryTest, ASavedOrLoadedOrderIsNotOffered) {
    run(EDITION_CUSTOMER);
    enter_comic("ONE"_sj);
    dialogs.replies = {folder.path("order")};
    click(c().BUTTON3);
    EXPECT_EQ(copy(), "(none)");
    run(EDITION_CUSTOMER);
    EXPECT_FALSE(asked());

    // Loaded, changed and changed back: the loaded file is what counts.
    dialogs.replies = {folder.path("order.SAV")};
    click(c().BUTTON4);
    enter_comic("TWO"_sj);
    EXPECT_NE(copy(), "(none)");
    click(c().BUTTON5);
    select(c().LIST1, 1);
    type(c().EDIT1, "");
    click(c().BUTTON14);
    click(c().BUTTON11);
    EXPECT_EQ(copy(), "(none)");
}

TEST_F(RecoveryTest, ADamagedCopyIsReportedAndSetAsideNeverFatal) {
    TempDir::write(folder.path("customer.SAV"), "\x89PNG\r\n\x1a\n not an order");
    run(EDITION_CUSTOMER);
    EXPECT_FALSE(asked());
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].caption, files::recovery_caption());
    EXPECT_NE(dialogs.seen[0].text.find(rt::to_sjis(folder.path("customer.SAV"))), std::string::npos);
    EXPECT_NE(dialogs.seen[0].text.find(rt::to_sjis(folder.path("customer-damaged-1.SAV"))),
              std::string::npos);
    EXPECT_EQ(copy(), "(none)");
    EXPECT_EQ(copy("customer-damaged-1.SAV"), "\x89PNG\r\n\x1a\n not an order");
    // The run goes on and keeps its own copy.
    enter_comic("ONE"_sj);
    EXPECT_NE(copy(), "(none)");
}

TEST_F(RecoveryTest, AFolderWhereNoCopyCanBeKeptIsReportedAndTheRunGoesOn) {
    TempDir::write(folder.path("blocked"), "a file where the folder should be");
    for (const std::string& under : {folder.path("blocked"), folder.path("blocked") + "/state"}) {
        SCOPED_TRACE(under);
        start(EDITION_CUSTOMER);
        app::keep_recovery_copy_in(under, EDITION_CUSTOMER);
        ASSERT_EQ(dialogs.seen.size(), 1u);
        EXPECT_EQ(dialogs.seen[0].icon, ui::Icon::Exclamation);
        EXPECT_NE(dialogs.seen[0].text.find(rt::fault_message(rt::FileFault::NotAFolder)), std::string::npos);
        EXPECT_FALSE(files::recovery_active());
        enter_comic("ONE"_sj);
        EXPECT_EQ(s().TITLECOUNT(CAT_COMICS), 1);
    }
}

// The program's own files in the state folder are outside input too: a
// named pipe or a link there is refused at once and blocks nothing.
TEST_F(RecoveryTest, SpecialFilesInTheStateFolderNeverBlock) {
    ASSERT_EQ(::mkfifo(folder.path("shop.lock").c_str(), 0600), 0);
    auto store = files::folder_recovery_store(folder.folder(), EDITION_SHOP);
    ASSERT_FALSE(store);
    EXPECT_EQ(store.error().fault, rt::FileFault::NotARegularFile);
    fs::create_symlink(folder.path("target"), folder.path("customer.lock"));
    store = files::folder_recovery_store(folder.folder(), EDITION_CUSTOMER);
    ASSERT_FALSE(store);
    EXPECT_FALSE(fs::exists(folder.path("target")));

    // The journal of save folders as a pipe: saving still works at once.
    ASSERT_EQ(::mkfifo(folder.path("save-folders").c_str(), 0600), 0);
    rt::set_save_journal(folder.path("save-folders"));
    EXPECT_FALSE(rt::write_file_atomically(folder.path("order.SAV"), "x", rt::WriteMode::Replace));
    rt::clean_noted_folders();
    rt::set_save_journal({});
    EXPECT_TRUE(fs::is_fifo(folder.path("save-folders")));
}

TEST_F(RecoveryTest, TwoRunsOfOneEditionKeepTwoCopies) {
    auto first = files::folder_recovery_store(folder.folder(), EDITION_SHOP);
    auto second = files::folder_recovery_store(folder.folder(), EDITION_SHOP);
    auto other = files::folder_recovery_store(folder.folder(), EDITION_CUSTOMER);
    ASSERT_TRUE(first && second && other);
    EXPECT_EQ(first.value()->where(), folder.path("shop.SAV"));
    EXPECT_EQ(second.value()->where(), folder.path("shop-2.SAV"));
    EXPECT_EQ(other.value()->where(), folder.path("customer.SAV"));
    // A run that ended frees its copy for the next run.
    first.value().reset();
    auto third = files::folder_recovery_store(folder.folder(), EDITION_SHOP);
    ASSERT_TRUE(third);
    EXPECT_EQ(third.value()->where(), folder.path("shop.SAV"));
}

}  // namespace
}  // namespace scanfee::testing
