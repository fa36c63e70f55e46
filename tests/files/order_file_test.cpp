#include <gtest/gtest.h>
#include <sys/mount.h>

#include <filesystem>

#include "files/file_steps.h"
#include "files/order_file.h"
#include "files/order_file_format.h"
#include "order_file_fixture.h"

namespace scanfee::testing {
namespace {

TEST_F(OrderFile, CustomerEditionWritesCouponsAndTitleLines) {
    start(EDITION_CUSTOMER);
    EXPECT_EQ(files::order_file_bytes(), "割引券:0\r\n"_sj);

    enter_order();
    type(c().COMBO1, "1612310043");
    click(c().BUTTON15);
    save_as(tmp.path("order"));
    EXPECT_EQ(s().FILENAME, tmp.path("order.SAV"));
    EXPECT_EQ(s().LASTDIR, tmp.folder());
    EXPECT_EQ(tmp.read(tmp.path("order.SAV")),
              "割引券:1\r\n1612310043\r\n"
              "013,1001,300,0,ワンピース 1\r\n"
              "011,0000,156,0,ナルト\r\n"
              "403,0000,156,0,写真集\r\n"_sj);
}

TEST_F(OrderFile, ShopEditionWritesNameAdvanceAndDiscountOnlyWhenGiven) {
    start(EDITION_SHOP);
    EXPECT_EQ(files::order_file_bytes(), "割引券:0\r\n"_sj);

    add_title(c().BUTTON5, "ABC");
    click(c().CHECK6);
    click(c().BUTTON14);
    click(c().BUTTON11);
    type(c().EDIT7, "山田 太郎"_sj);
    type(c().EDIT4, "5000");
    EXPECT_EQ(files::order_file_bytes(),
              "お客様氏名:山田 太郎\r\n前受額:5000\r\n割引券:0\r\n0131,0000,156,0,ABC\r\n"_sj);
    EXPECT_EQ(s().CUSTNAME, "山田 太郎"_sj);  // taken from the box by the writer

    type(c().EDIT4, "");
    type(c().EDIT5, "300");
    EXPECT_EQ(files::order_file_bytes(),
              "お客様氏名:山田 太郎\r\n少額割引額:300\r\n割引券:0\r\n0131,0000,156,0,ABC\r\n"_sj);
}

TEST_F(OrderFile, LoadingRepricesEveryTitleAndGivesTheSameFileAgain) {
    for (int16 edition : {EDITION_SHOP, EDITION_CUSTOMER}) {
        SCOPED_TRACE(edition);
        start(edition);
        enter_order();
        if (edition == EDITION_SHOP) {
            type(c().EDIT7, "顧客"_sj);
            type(c().EDIT4, "1000");
            type(c().EDIT5, "50");
        } else {
            type(c().COMBO1, "1612310043");
            click(c().BUTTON15);
            // The coupon button updates the grand total in its own short form;
            // a full summary refresh shows it as a loaded order does.
            click(c().BUTTON9);
            click(c().BUTTON11);
        }
        save_as(tmp.path("a.SAV"));
        const std::string before = snapshot();

        start(edition);
        load(tmp.path("a.SAV"));
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(s().CATEGORY, 5);
        // The summary's media fee counts with CURTITLE: it ends at the count of
        // the last category with titles.
        EXPECT_EQ(s().CURTITLE, 1);
        EXPECT_TRUE(c().MAINFORM->visible());
        save_as(tmp.path("b.SAV"));
        EXPECT_EQ(tmp.read(tmp.path("b.SAV")), tmp.read(tmp.path("a.SAV")));
    }
}

TEST_F(OrderFile, LoadedFieldsFollowTheirCharacters) {
    start(EDITION_SHOP);
    load_bytes("前受額:700\r\n割引券:0\r\n"
               "012,0000,156,0,A\r\n"      // three characters: no compensation
               "0121,1111,600,1,B\r\n"     // compensated, every option
               "1120,0100,120,0,C\r\n"_sj  // a fourth character 0: not compensated
    );
    EXPECT_EQ(c().EDIT4->text(), "700");
    EXPECT_EQ(c().EDIT7->text(), "");
    EXPECT_EQ(s().ADVANCE, 700);
    EXPECT_EQ(s().OPT_COMP(0, 0), 0);
    EXPECT_EQ(s().COMP_AMOUNT(0, 0), 0);
    EXPECT_EQ(s().OPT_COMP(1, 0), 1);
    EXPECT_GT(s().TITLE_TOTAL(1, 0), 0);
    EXPECT_EQ(s().COMP_AMOUNT(1, 0), s().TITLE_TOTAL(1, 0));
    EXPECT_EQ(s().DPI(1, 0), 600);
    EXPECT_EQ(s().GIFTCOUNT(0), 1);
    EXPECT_EQ(s().OPT_COMP(0, 1), 0);
    EXPECT_EQ(s().COMP_AMOUNT(0, 1), 0);
    EXPECT_EQ(s().GIFTCOUNT(1), 0);
    EXPECT_EQ(s().OPT_NOMOIRE(0, 1), 1);
    EXPECT_EQ(s().TITLECOUNT(0), 2);
    EXPECT_EQ(s().TITLECOUNT(1), 1);
    EXPECT_EQ(s().CAT_SUBTOTAL(0), s().TITLE_TOTAL(0, 0) + s().TITLE_TOTAL(1, 0));
}

TEST_F(OrderFile, TitlesComeBackAsWritten) {
    start(EDITION_CUSTOMER);
    const std::string titles[] = {"A,B", "x:y", "  blanks first", "\"quoted\" title",
                                  "\"", "末尾の空白  ", "a,b:c,\"d\""};
    for (const std::string& title : titles) {
        add_title(c().BUTTON5, title);
        click(c().BUTTON14);
    }
    click(c().BUTTON11);
    save_as(tmp.path("t.SAV"));
    EXPECT_NE(tmp.read(tmp.path("t.SAV")).find("\r\n013,0000,156,0,A,B\r\n"), std::string::npos);

    start(EDITION_CUSTOMER);
    load(tmp.path("t.SAV"));
    for (size_t i = 0; i < std::size(titles); ++i)
        EXPECT_EQ(s().TITLE(int(i), 0), titles[i]);
}

// Found by fuzz/order_file: a coupon that a file brought in quotes, holding
// a colon or a comma or starting with a blank, was saved without its quotes
// and came back cut at the separator.
TEST_F(OrderFile, CouponsOfAFileComeBackAsLoaded) {
    struct Case {
        const char* name;
        std::string line;    // as the file holds it
        std::string coupon;  // as it loads
    };
    const Case cases[] = {
        {"a colon", "\"16:2310043\"", "16:2310043"},
        {"a comma", "\"16,2310043\"", "16,2310043"},
        {"blanks first", "\"  12310043\"", "  12310043"},
        {"a plain number", "1612310043", "1612310043"},
        {"a quote inside", "16\"2310043", "16\"2310043"},
        {"kanji first", "\"割引:ABC43\""_sj, "割引:ABC43"_sj},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        start(EDITION_CUSTOMER);
        load_bytes("割引券:1\r\n"_sj + k.line + "\r\n");
        ASSERT_EQ(s().COUPON[0], k.coupon);
        const std::string saved = files::order_file_bytes();
        load_bytes(saved);
        EXPECT_EQ(s().COUPON[0], k.coupon);
        EXPECT_EQ(files::order_file_bytes(), saved);
    }
}

TEST_F(OrderFile, LoadingReplacesTheWholeCouponList) {
    start(EDITION_CUSTOMER);
    for (const char* number : {"1612310043", "1612310034", "1612310041"}) {
        type(c().COMBO1, number);
        click(c().BUTTON15);
    }
    ASSERT_EQ(s().COUPONCOUNT, 3);
    load_bytes("割引券:1\r\n1612310033\r\n"_sj);
    EXPECT_EQ(s().COUPONCOUNT, 1);
    EXPECT_EQ(c().COMBO1->items(), std::vector<std::string>{"1612310033"});
    EXPECT_EQ(s().COUPON[1], "");
}

TEST_F(OrderFile, MalformedFilesAreRefusedWithTheOrderUnchanged) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"only blank lines", "\r\n\r\n"},
        {"no coupon count line", "お客様氏名:X\r\n"_sj},
        {"non-numeric count", "割引券:x\r\n"_sj},
        {"missing count", "割引券:\r\n"_sj},
        {"too many coupons", "割引券:12\r\n"_sj},
        {"fewer coupon lines", "割引券:2\r\n1612310043\r\n"_sj},
        {"empty coupon line", "割引券:1\r\n\r\n012,0000,156,0,A\r\n"_sj},
        {"four fields", "割引券:0\r\n012,0000,156,0\r\n"_sj},
        {"field 1 too short", "割引券:0\r\n01,0000,156,0,A\r\n"_sj},
        {"field 1 too long", "割引券:0\r\n01211,0000,156,0,A\r\n"_sj},
        {"field 1 not digits", "割引券:0\r\n0a2,0000,156,0,A\r\n"_sj},
        {"category 5", "割引券:0\r\n512,0000,156,0,A\r\n"_sj},
        {"field 2 three digits", "割引券:0\r\n012,000,156,0,A\r\n"_sj},
        {"field 2 not digits", "割引券:0\r\n012,00x0,156,0,A\r\n"_sj},
        {"resolution 49", "割引券:0\r\n012,0000,49,0,A\r\n"_sj},
        {"resolution 601", "割引券:0\r\n012,0000,601,0,A\r\n"_sj},
        {"resolution fraction", "割引券:0\r\n012,0000,156.5,0,A\r\n"_sj},
        {"resolution huge", "割引券:0\r\n012,0000,99999999999,0,A\r\n"_sj},
        {"gift not a number", "割引券:0\r\n012,0000,156,x,A\r\n"_sj},
        {"empty title", "割引券:0\r\n012,0000,156,0,\r\n"_sj},
        {"blank line among titles", "割引券:0\r\n012,0000,156,0,A\r\n\r\n012,0000,156,0,B\r\n"_sj},
        {"bad advance", "前受額:abc\r\n割引券:0\r\n"_sj},
        {"advance beyond range", "前受額:1E+39\r\n割引券:0\r\n"_sj},
        {"bad discount", "少額割引額:-5\r\n割引券:0\r\n"_sj},
        {"LF ends no line in a file with a CR", "割引券:0\r\n012,0000,156,0,A\nB\r\n"_sj},
        {"line too long", "割引券:0\r\n012,0000,156,0," + std::string(40000, 'x') + "\r\n"},
        {"a picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 21)},
        {"an archive", std::string("PK\x03\x04\x14\0\0\0\x08\0", 10)},
    };
    start(EDITION_SHOP);
    enter_order();
    type(c().EDIT7, "顧客"_sj);
    type(c().EDIT4, "1000");
    save_as(tmp.path("good.SAV"));
    const std::string before = snapshot();

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.seen.clear();
        load_bytes(c.bytes);
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(dialogs.seen[1].icon, ui::Icon::Stop);
        EXPECT_EQ(dialogs.seen[1].caption, files::file_error_caption());
        EXPECT_NE(dialogs.seen[1].text.find(rt::to_sjis(tmp.path("in.SAV"))), std::string::npos);
        EXPECT_EQ(snapshot(), before);
    }

    // More titles in one category than it has slots.
    std::string many = "割引券:0\r\n"_sj;
    for (int i = 0; i <= SLOT_COUNT; ++i) many += "412,0000,156,0,T" + std::to_string(i) + "\r\n";
    load_bytes(many);
    EXPECT_NE(dialogs.seen.back().text.find("123行目"_sj), std::string::npos);
    EXPECT_EQ(snapshot(), before);

    // A file removed after it was chosen.
    load(tmp.path("gone.SAV"));
    EXPECT_EQ(dialogs.seen.back().text, files::read_failure_text({rt::ERR_NOT_FOUND, tmp.path("gone.SAV"), {}}));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(OrderFile, RefusalsNameTheLineAndWhatIsWrong) {
    const struct {
        std::string bytes, reason;
    } cases[] = {
        {"", "ファイルが空です。"},
        {"割引券:0\r\n012,0000,156,0,A\r\n512,0000,156,0,B\r\n", "3行目：書籍の種類が０～４ではありません。"},
        {"お客様氏名:A\r\n割引券:x\r\n", "2行目：割引券の枚数が数字ではありません。"},
        {"割引券:0\r\n012,0000,700,0,A\r\n", "2行目：解像度が５０～６００の整数ではありません。"},
    };
    for (const auto& c : cases) {
        files::OrderFileParse parsed = files::parse_order_file(rt::to_sjis(c.bytes));
        EXPECT_FALSE(parsed.content);
        EXPECT_EQ(rt::to_utf8(parsed.refusal), c.reason);
    }
    // Blank lines after the last title are no titles.
    EXPECT_TRUE(files::parse_order_file("割引券:0\r\n012,0000,156,0,A\r\n\r\n\x1a"_sj).content);
}

TEST_F(OrderFile, DialogsRememberTheFolderAndCancelDoesNothing) {
    start(EDITION_CUSTOMER);
    add_title(c().BUTTON5, "A");
    click(c().BUTTON14);
    click(c().BUTTON11);
    click(c().BUTTON3);  // cancelled
    EXPECT_EQ(dialogs.seen.back().kind, "save");
    EXPECT_EQ(dialogs.seen.back().caption, "申込みデータの保存"_sj);
    EXPECT_EQ(dialogs.seen.back().text, "*.SAV");
    EXPECT_TRUE(fs::is_empty(tmp.dir()));
    EXPECT_EQ(s().LASTDIR, "");

    save_as(tmp.path("x.sav"));  // an extension of any case is kept
    EXPECT_TRUE(fs::exists(tmp.path("x.sav")));
    click(c().BUTTON3);
    EXPECT_EQ(dialogs.seen.back().text, tmp.folder() + "*.SAV");
    click(c().BUTTON4);
    EXPECT_EQ(dialogs.seen.back().kind, "open");
    EXPECT_EQ(dialogs.seen.back().caption, "データファイルの読み込み"_sj);
    EXPECT_EQ(dialogs.seen.back().text, tmp.folder());
    EXPECT_EQ(s().TITLECOUNT(0), 1);  // a cancelled open keeps the order
}

TEST_F(OrderFile, OpenProposesTheRootFolderWhileNoneIsRemembered) {
    start(EDITION_CUSTOMER);
    click(c().BUTTON4);
    EXPECT_EQ(dialogs.seen.back().text, "/");
}

TEST_F(OrderFile, AFailedSaveKeepsThePreviousFileAndSaysWhy) {
    start(EDITION_CUSTOMER);
    add_title(c().BUTTON5, "A");
    click(c().BUTTON14);
    click(c().BUTTON11);
    save_as(tmp.path("keep.SAV"));
    const std::string kept = tmp.read(tmp.path("keep.SAV"));
    add_title(c().BUTTON5, "B");
    click(c().BUTTON14);
    click(c().BUTTON11);

    tmp.write(tmp.path("file"), "x");
    fs::create_directory(tmp.path("folder.SAV"));
    for (const std::string& target : {tmp.path("file/inside.SAV"), tmp.path("folder.SAV")}) {
        SCOPED_TRACE(target);
        dialogs.seen.clear();
        save_as(target);
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(dialogs.seen[1].icon, ui::Icon::Stop);
        EXPECT_NE(dialogs.seen[1].text.find(rt::to_sjis(target)), std::string::npos);
    }
    EXPECT_TRUE(fs::is_directory(tmp.path("folder.SAV")));
    EXPECT_EQ(tmp.read(tmp.path("keep.SAV")), kept);
    EXPECT_EQ(s().TITLECOUNT(0), 2);
}

TEST_F(OrderFile, AFullDiskKeepsThePreviousFile) {
    const std::string mounted = tmp.path("small");
    fs::create_directory(mounted);
    if (::mount("tmpfs", mounted.c_str(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    struct Unmount {
        std::string at;
        ~Unmount() { ::umount(at.c_str()); }
    } unmount{mounted};

    start(EDITION_CUSTOMER);
    add_title(c().BUTTON5, "A");
    click(c().BUTTON14);
    click(c().BUTTON11);
    const std::string target = mounted + "/order.SAV";
    save_as(target);
    const std::string kept = tmp.read(target);
    ASSERT_FALSE(kept.empty());
    TempDir::write(mounted + "/filler", std::string(12 * 1024, 'f'));
    for (int i = 0; i < 19; ++i) {
        add_title(c().BUTTON5, std::string(300, char('A' + i)));
        click(c().BUTTON14);
    }
    click(c().BUTTON11);
    dialogs.seen.clear();
    save_as(target);
    ASSERT_EQ(dialogs.seen.size(), 2u);
    EXPECT_NE(dialogs.seen[1].text.find(rt::error_message(rt::ERR_DISK_FULL)), std::string::npos);
    EXPECT_EQ(tmp.read(target), kept);
}

}  // namespace
}  // namespace scanfee::testing
