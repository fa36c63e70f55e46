#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "files/application_papers.h"
#include "files/order_file.h"
#include "papers_fixture.h"
#include "support/temp_dir.h"
#include "runtime/gcc12_false_positives.h"

namespace scanfee::files {
namespace {

namespace fs = std::filesystem;
using namespace rt::literals;
using testing::Book;

const ui::Answer OK = ui::ANSWER_OK, CANCEL = ui::ANSWER_CANCEL;

class OutputFlow : public testing::PapersTest {
protected:
    std::unique_ptr<testing::TempDir> scratch;
    fs::path dir;

    void SetUp() override { open_run(EDITION_SHOP); }
    // A fresh run with its own scratch folder, proposed by every dialog.
    void open_run(int16 edition) {
        start(edition);
        scratch = std::make_unique<testing::TempDir>();
        dir = scratch->dir();
        s().LASTDIR = scratch->folder();
    }
    std::string path(const std::string& name) const { return scratch->path(name); }
    void with_books(std::initializer_list<Book> books) {
        for (const Book& b : books) put(b);
        summarise();
    }
    // Queues a file answer (a name in the scratch folder) or a cancel.
    void choose(const std::string& name) { dialogs.replies.push_back(path(name)); }
    void cancel_dialog() { dialogs.replies.push_back(ui::CANCEL_MARK); }
    void type_number(const std::string& text) { dialogs.replies.push_back(text); }

    // Every dialog the flow opened: its kind, caption, and the proposed file
    // name or the message text.
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (const auto& d : dialogs.seen) {
            // " " + text: GCC 12's false -Wrestrict (runtime/gcc12_false_positives.h).
            SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
            std::string line = d.kind + " " + rt::to_utf8(d.caption);
            if (d.kind == "save") line += " " + fs::path(d.text).filename().string();
            if (d.kind == "msgbox") line += " " + rt::to_utf8(d.text);
            SCANFEE_GCC12_FALSE_POSITIVE_END
            out.push_back(line);
        }
        return out;
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string contents(const std::string& file) { return testing::TempDir::read(file); }
};

const std::string ANNOUNCE = "msgbox 申込用データの出力のお知らせ ";
const std::string STATEMENT_QUESTION =
    "msgbox 作業代明細書出力のお知らせ これから「作業代の明細書」を出力します。";
const std::string REQUEST = "save 契約書に添付するデータの出力 依頼事項書.TXT";
const std::string ATTORNEY = "save 複写作業の為の委任状の出力 委任状.TXT";
const std::string MANAGEMENT = "save 管理データの出力 管理.TXT";
const std::string NUMBER = "input 申込み番号の登録";
const std::string GIFT = "save 贈与証書の出力 贈与証書.TXT";

const Book CUT_ONLY{.title = "A", .work = 1};
const Book SCANNED{.title = "B", .work = 2};
const Book GIVEN{.title = "C", .work = 2, .gift = 1};
// Only a loaded order file holds a gift that is not scanned.
const Book GIVEN_UNSCANNED{.title = "D", .work = 1, .gift = 1};

// The shop edition's dialogs for each document set, answered in turn.
TEST_F(OutputFlow, ShopDialogsPerDocumentSet) {
    const struct {
        const char* name;
        std::vector<Book> books;
        std::vector<int> answers;          // message boxes
        std::vector<std::string> replies;  // file names ("" cancels), numbers
        std::vector<std::string> dialogs;
        std::vector<std::string> files;
    } cases[] = {
        {"dismantling only: two files",
         {CUT_ONLY},
         {OK, CANCEL},
         {"r.TXT", "m.TXT", "1"},
         {ANNOUNCE + "これから「依頼事項書」「管理データ」の２つのファイルを出力します。", REQUEST,
          MANAGEMENT, NUMBER, STATEMENT_QUESTION},
         {"m.TXT", "r.TXT"}},
        {"a scanned title: three files",
         {CUT_ONLY, SCANNED},
         {OK, CANCEL},
         {"r.TXT", "a.TXT", "m.TXT", "1"},
         {ANNOUNCE + "これから「依頼事項書」「委任状」「管理データ」の３つのファイルを出力します。",
          REQUEST, ATTORNEY, MANAGEMENT, NUMBER, STATEMENT_QUESTION},
         {"a.TXT", "m.TXT", "r.TXT"}},
        {"a gift: four files, the gift deed last",
         {SCANNED, GIVEN},
         {OK, CANCEL},
         {"r.TXT", "a.TXT", "m.TXT", "1", "g.TXT"},
         {ANNOUNCE + "これから「依頼事項書」「委任状」「管理データ」「贈与証書」の４つのファイルを出力します。",
          REQUEST, ATTORNEY, MANAGEMENT, NUMBER, GIFT, STATEMENT_QUESTION},
         {"a.TXT", "g.TXT", "m.TXT", "r.TXT"}},
        {"an unscanned gift gets the announced gift deed too",
         {GIVEN_UNSCANNED},
         {OK, CANCEL},
         {"r.TXT", "a.TXT", "m.TXT", "1", "g.TXT"},
         {ANNOUNCE + "これから「依頼事項書」「委任状」「管理データ」「贈与証書」の４つのファイルを出力します。",
          REQUEST, ATTORNEY, MANAGEMENT, NUMBER, GIFT, STATEMENT_QUESTION},
         {"a.TXT", "g.TXT", "m.TXT", "r.TXT"}},
        {"cancel at the announcement: no file, the statement question follows",
         {SCANNED, GIVEN},
         {CANCEL, CANCEL},
         {},
         {ANNOUNCE + "これから「依頼事項書」「委任状」「管理データ」「贈与証書」の４つのファイルを出力します。",
          STATEMENT_QUESTION},
         {}},
        {"cancel the request sheet: the power of attorney is still offered",
         {SCANNED},
         {OK, CANCEL},
         {"", "a.TXT", "m.TXT", "1"},
         {ANNOUNCE + "これから「依頼事項書」「委任状」「管理データ」の３つのファイルを出力します。",
          REQUEST, ATTORNEY, MANAGEMENT, NUMBER, STATEMENT_QUESTION},
         {"a.TXT", "m.TXT"}},
        {"cancel every save dialog: no number is asked",
         {SCANNED, GIVEN},
         {OK, CANCEL},
         {"", "", "", ""},
         {ANNOUNCE + "これから「依頼事項書」「委任状」「管理データ」「贈与証書」の４つのファイルを出力します。",
          REQUEST, ATTORNEY, MANAGEMENT, GIFT, STATEMENT_QUESTION},
         {}},
        {"cancel the number: no management data, the gift deed follows",
         {GIVEN},
         {OK, CANCEL},
         {"r.TXT", "a.TXT", "m.TXT", "\x1b", "g.TXT"},
         {ANNOUNCE + "これから「依頼事項書」「委任状」「管理データ」「贈与証書」の４つのファイルを出力します。",
          REQUEST, ATTORNEY, MANAGEMENT, NUMBER, GIFT, STATEMENT_QUESTION},
         {"a.TXT", "g.TXT", "r.TXT"}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        open_run(EDITION_SHOP);
        for (const Book& b : row.books) put(b);
        summarise();
        dialogs.answers.assign(row.answers.begin(), row.answers.end());
        for (const std::string& r : row.replies) {
            if (r.empty()) cancel_dialog();
            else if (r.ends_with(".TXT")) choose(r);
            else type_number(r);
        }
        click(c().BUTTON2);
        EXPECT_EQ(shown(), row.dialogs);
        EXPECT_EQ(files(), row.files);
        EXPECT_TRUE(dialogs.replies.empty());
        EXPECT_EQ(s().STATEMENT_SHOWN, 0);
        EXPECT_TRUE(c().MAINFORM->visible());
        EXPECT_FALSE(c().FORM5->visible());
    }
}

// Every file holds its document; the number typed goes into the management
// data and stays for the next output; the customer's name is taken.
TEST_F(OutputFlow, ShopFilesHoldTheirDocuments) {
    with_books({SCANNED, GIVEN});
    type(c().EDIT7, "山田"_sj);
    for (const char* name : {"r.TXT", "a.TXT", "m.TXT"}) choose(name);
    type_number("1604290007");
    choose("g.TXT");
    click(c().BUTTON2);
    EXPECT_EQ(s().CUSTNAME, "山田"_sj);
    EXPECT_EQ(s().APPNO, "1604290007");
    EXPECT_EQ(contents(path("r.TXT")), request_sheet_bytes());
    EXPECT_EQ(contents(path("a.TXT")), power_of_attorney_bytes());
    EXPECT_EQ(contents(path("m.TXT")), management_data_bytes());
    EXPECT_NE(contents(path("m.TXT")).find("\r\n1604290007,"), std::string::npos);
    EXPECT_EQ(contents(path("g.TXT")), gift_deed_bytes());
}

TEST_F(OutputFlow, CancelledNumberKeepsThePreviousOne) {
    with_books({SCANNED});
    const std::string before = s().APPNO;
    ASSERT_FALSE(before.empty());
    dialogs.answers = {OK, CANCEL};
    for (const char* name : {"r.TXT", "a.TXT", "m.TXT"}) choose(name);
    cancel_dialog();
    click(c().BUTTON2);
    EXPECT_EQ(s().APPNO, before);
    EXPECT_FALSE(fs::exists(path("m.TXT")));

    // The next output proposes the number there is.
    dialogs.seen.clear();
    dialogs.answers = {OK, CANCEL};
    for (const char* name : {"r.TXT", "a.TXT", "m.TXT"}) choose(name);
    type_number("");
    click(c().BUTTON2);
    EXPECT_EQ(s().APPNO, "");
    EXPECT_EQ(contents(path("m.TXT")), management_data_bytes());
}

// The dialogs propose their names in the folder chosen last; a name typed
// without an extension gets ".TXT"; an existing file is replaced.
TEST_F(OutputFlow, SaveStepPathsAndReplacement) {
    with_books({SCANNED});
    fs::create_directory(dir / "sub");
    std::ofstream(path("sub/old.TXT")) << "the previous request sheet";
    dialogs.replies = {path("sub/old.TXT"), path("sub/attorney"), ui::CANCEL_MARK};
    click(c().BUTTON2);
    ASSERT_EQ(dialogs.seen.size(), 5u);
    EXPECT_EQ(dialogs.seen[1].text, path("依頼事項書.TXT"));
    EXPECT_EQ(dialogs.seen[2].text, path("sub/委任状.TXT"));
    EXPECT_EQ(dialogs.seen[3].text, path("sub/管理.TXT"));
    EXPECT_EQ(contents(path("sub/old.TXT")), request_sheet_bytes());
    EXPECT_EQ(contents(path("sub/attorney.TXT")), power_of_attorney_bytes());
    EXPECT_EQ(s().LASTDIR, path("sub") + "/");
}

// A document that cannot be written is reported with its name and the flow
// goes on with the next one; the order stays as it was.
TEST_F(OutputFlow, WriteFailureIsReportedAndTheFlowGoesOn) {
    with_books({SCANNED});
    std::ofstream(path("plain")) << "a file, not a folder";
    fs::create_directory(dir / "taken.TXT");
    dialogs.replies = {path("plain/r.TXT"), path("taken.TXT"), path("m.TXT"), "1"};
    click(c().BUTTON2);
    std::vector<std::string> got = shown();
    ASSERT_EQ(got.size(), 8u) << ::testing::PrintToString(got);
    EXPECT_EQ(got[1], REQUEST);
    EXPECT_TRUE(got[2].starts_with("msgbox ファイルエラーメッセージ 次のファイルを保存できませんでした。"));
    EXPECT_NE(got[2].find(path("plain/r.TXT")), std::string::npos);
    EXPECT_EQ(got[3], "save 複写作業の為の委任状の出力 委任状.TXT");
    EXPECT_NE(got[4].find(path("taken.TXT")), std::string::npos);
    EXPECT_EQ(got[5], MANAGEMENT);
    EXPECT_EQ(contents(path("m.TXT")), management_data_bytes());
    EXPECT_TRUE(fs::is_directory(dir / "taken.TXT"));
    EXPECT_EQ(s().TITLE(0, CAT_COMICS), "B");
}

// The customer edition writes only the mail attachment, an order file.
TEST_F(OutputFlow, CustomerWritesTheMailAttachment) {
    const struct {
        const char* name;
        std::vector<int> answers;
        bool choose_file;
        std::vector<std::string> dialogs;
        bool written;
    } cases[] = {
        {"written",
         {OK, CANCEL},
         true,
         {ANNOUNCE + "これから「申込みメール添付用」のファイルを出力します。",
          "save メールに添付するデータの出力 メール添付用.TXT", STATEMENT_QUESTION},
         true},
        {"save dialog cancelled",
         {OK, CANCEL},
         false,
         {ANNOUNCE + "これから「申込みメール添付用」のファイルを出力します。",
          "save メールに添付するデータの出力 メール添付用.TXT", STATEMENT_QUESTION},
         false},
        {"announcement cancelled",
         {CANCEL, CANCEL},
         false,
         {ANNOUNCE + "これから「申込みメール添付用」のファイルを出力します。", STATEMENT_QUESTION},
         false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        open_run(EDITION_CUSTOMER);
        with_books({SCANNED, CUT_ONLY});
        dialogs.answers.assign(row.answers.begin(), row.answers.end());
        if (row.choose_file) choose("mail");
        else cancel_dialog();
        click(c().BUTTON2);
        EXPECT_EQ(shown(), row.dialogs);
        EXPECT_EQ(fs::exists(path("mail.TXT")), row.written);
        if (row.written) {
            EXPECT_EQ(s().FILENAME, path("mail.TXT"));
            EXPECT_EQ(contents(path("mail.TXT")), order_file_bytes());
        }
    }
}

TEST_F(OutputFlow, RefusedOrders) {
    click(c().BUTTON2);
    EXPECT_TRUE(dialogs.seen.empty()) << "an order without titles does nothing";

    // Dismantling a saddle-stitched doujinshi costs nothing.
    with_books({SCANNED, {.category = CAT_DOUJIN, .title = "Z", .work = 1}});
    ASSERT_EQ(s().TITLE_TOTAL(0, CAT_DOUJIN), 0);
    click(c().BUTTON2);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(shown()[0],
              "msgbox 申込用データの出力のお知らせ 申込み書籍の中に金額が０円の物があります。");
    EXPECT_EQ(dialogs.seen[0].buttons, ui::Buttons::Ok);
    EXPECT_EQ(dialogs.seen[0].icon, ui::Icon::Stop);
    EXPECT_TRUE(files().empty());
    EXPECT_FALSE(c().FORM5->visible());
}

// OK to the statement question opens the statement screen on it.
TEST_F(OutputFlow, StatementScreen) {
    for (int16 edition : {EDITION_SHOP, EDITION_CUSTOMER}) {
        SCOPED_TRACE(edition);
        open_run(edition);
        with_books({SCANNED});
        c().BUTTON23->show();
        dialogs.answers = {CANCEL, OK};
        click(c().BUTTON2);
        ASSERT_FALSE(dialogs.seen.empty());
        EXPECT_EQ(dialogs.seen.back().buttons, ui::Buttons::OkCancel);
        EXPECT_EQ(dialogs.seen.back().icon, ui::Icon::Exclamation);
        EXPECT_TRUE(c().FORM5->visible());
        EXPECT_FALSE(c().MAINFORM->visible());
        EXPECT_FALSE(c().BUTTON23->visible());
        EXPECT_EQ(s().STATEMENT_SHOWN, 1);
        EXPECT_EQ(c().EDIT6->text(), work_statement_text());
        EXPECT_EQ(c().EDIT6->text().rfind("コミックの申込明細\r\n"_sj, 0), 0u);
    }
}

}  // namespace
}  // namespace scanfee::files
