#include "summary/money_papers.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "files/file_steps.h"
#include "runtime/clock.h"
#include "summary/fee_breakdown.h"
#include "summary/statement_fixture.h"
#include "support/temp_dir.h"

namespace scanfee {
namespace {

using namespace rt::literals;
namespace fs = std::filesystem;

const char* const ESTIMATE_TITLE = "　　　　　　　　　　　　　見　　　積　　　書";
const char* const INVOICE_TITLE = "　　　　　　　　　　　　　請　　　求　　　書";
const char* const RECEIPT_TITLE = "　　　　　　　　　　　　　領　　　収　　　書";
const char* const ADDRESS = "　　　　　　　　　　　　　　　　　　　東京都架空市見本町１番１１号";
const char* const SHOP = "　　　　　　　　　　　　　　　　　　　ホシナギ書籍工房";
const char* const INVOICE_CLOSING = "　　　　　　　上記差引合計金額の通り御請求申し上げます。";
const char* const RECEIPT_CLOSING = "　　　　　　　上記総合計金額の通り領収しました。";

class MoneyPapers : public testing::StatementTest {
  protected:
    // The shop (or customer) edition on the worked order, with the
    // breakdown shown when `breakdown` is set.
    void on_statement_screen(int16 edition, bool breakdown) {
        start(edition);
        worked_order();
        s().CUSTNAME = "星野一郎"_sj;
        s().LASTDIR = temp.folder();
        open_statement();
        if (breakdown) click(c().BUTTON21);
        dialogs.seen.clear();
    }
    // A native path in the test folder; `name` in UTF-8.
    std::string at(const std::string& name) const { return temp.path(name); }
    static std::string contents(const std::string& path) { return testing::TempDir::read(path); }
    size_t files_in_folder() const {
        return size_t(std::distance(fs::directory_iterator(temp.dir()), fs::directory_iterator{}));
    }

    testing::TempDir temp;
};

TEST_F(MoneyPapers, StatementThenEstimateOfTheCustomerEdition) {
    on_statement_screen(EDITION_CUSTOMER, false);
    dialogs.replies = {at("明細書.TXT")};
    click(c().BUTTON22);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].kind, "save");
    EXPECT_EQ(dialogs.seen[0].caption, "明細書の出力"_sj);
    EXPECT_EQ(dialogs.seen[0].text, at("明細書.TXT"));
    EXPECT_EQ(contents(at("明細書.TXT")),
              "\r\n"
              "作業代明細書\r\n"_sj
              "\r\n");

    click(c().BUTTON21);
    dialogs.seen.clear();
    dialogs.replies = {at("見積書.TXT")};
    click(c().BUTTON22);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].caption, "見積書の出力"_sj);
    EXPECT_EQ(dialogs.seen[0].text, at("見積書.TXT"));
    std::vector<const char*> customer_sheet(testing::WORKED_SHOP_SHEET.begin(),
                                            testing::WORKED_SHOP_SHEET.begin() + 15);
    EXPECT_EQ(contents(at("見積書.TXT")),
              crlf_lines({ESTIMATE_TITLE, ""}) + crlf_lines(customer_sheet) + "\r\n");
    EXPECT_EQ(s().PENDING_ACTION, 0) << "the main loop clears the document group";
    EXPECT_TRUE(c().FORM5->visible());
    EXPECT_EQ(c().EDIT6->text(), summary::fee_breakdown_text());
}

TEST_F(MoneyPapers, InvoiceAndReceiptCarryNameDateOfWritingAndShop) {
    struct Case {
        int answer;
        const char* title;
        const char* name;
        const char* paper_title;
        const char* closing;
        int16 invoice_flag;
    };
    const Case cases[] = {
        {ui::ANSWER_YES, "請求書の出力", "請求書.TXT", INVOICE_TITLE, INVOICE_CLOSING, 1},
        {ui::ANSWER_NO, "領収書の出力", "領収書.TXT", RECEIPT_TITLE, RECEIPT_CLOSING, 0},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        on_statement_screen(EDITION_SHOP, true);
        rt::fix_today("2016/05/01");  // the run started on 2016/04/29
        dialogs.answers = {tc.answer};
        dialogs.replies = {at(tc.name)};
        click(c().BUTTON23);
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(dialogs.seen[0].kind, "msgbox");
        EXPECT_EQ(dialogs.seen[0].caption, "請求書／領収書　識別"_sj);
        EXPECT_EQ(dialogs.seen[0].text, "請求書の発行ですか？"_sj);
        EXPECT_EQ(dialogs.seen[0].buttons, ui::Buttons::YesNo);
        EXPECT_EQ(dialogs.seen[0].icon, ui::Icon::Question);
        EXPECT_EQ(dialogs.seen[1].kind, "save");
        EXPECT_EQ(dialogs.seen[1].caption, rt::to_sjis(tc.title));
        EXPECT_EQ(dialogs.seen[1].text, at(tc.name));
        EXPECT_EQ(s().INVOICE_FLAG, tc.invoice_flag);
        EXPECT_EQ(contents(at(tc.name)),
                  crlf_lines({tc.paper_title, "", "星野一郎　様",
                              "　　　　　　　　　　　　　　　　　　　2016年05月01日", ADDRESS, SHOP,
                              ""}) +
                      crlf_lines(testing::WORKED_SHOP_SHEET) +
                      crlf_lines({"", "", "", tc.closing}));
    }
}

TEST_F(MoneyPapers, CancellingAnyDialogWritesNothing) {
    struct Case {
        int16 edition;
        bool breakdown;
        bool invoice_button;
        int answer;
        std::vector<std::string> dialogs;  // kind: title
    };
    const Case cases[] = {
        {EDITION_CUSTOMER, false, false, 0, {"save:明細書の出力"}},
        {EDITION_CUSTOMER, true, false, 0, {"save:見積書の出力"}},
        {EDITION_SHOP, false, false, 0, {"save:明細書の出力"}},
        {EDITION_SHOP, true, false, 0, {"save:見積書の出力"}},
        {EDITION_SHOP,
         true,
         true,
         ui::ANSWER_YES,
         {"msgbox:請求書／領収書　識別", "save:請求書の出力"}},
        {EDITION_SHOP,
         true,
         true,
         ui::ANSWER_NO,
         {"msgbox:請求書／領収書　識別", "save:領収書の出力"}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.dialogs.back() + (tc.edition == EDITION_SHOP ? " shop" : " customer"));
        on_statement_screen(tc.edition, tc.breakdown);
        s().FILENAME = at("前のファイル.SAV");
        const std::string shown = c().EDIT6->text();
        dialogs.answers = {tc.answer};
        click(tc.invoice_button ? c().BUTTON23 : c().BUTTON22);
        std::vector<std::string> seen;
        for (const auto& d : dialogs.seen) seen.push_back(d.kind + ":" + rt::to_utf8(d.caption));
        EXPECT_EQ(seen, tc.dialogs);
        EXPECT_EQ(files_in_folder(), 0u);
        EXPECT_EQ(s().LASTDIR, temp.folder());
        EXPECT_EQ(s().FILENAME, at("前のファイル.SAV"));
        EXPECT_EQ(c().EDIT6->text(), shown);
        EXPECT_TRUE(c().FORM5->visible());
    }
}

TEST_F(MoneyPapers, TheCustomerEditionOffersNoInvoice) {
    on_statement_screen(EDITION_CUSTOMER, false);
    EXPECT_FALSE(ui::user_can_reach(*c().BUTTON23));
    click(c().BUTTON21);
    EXPECT_FALSE(ui::user_can_reach(*c().BUTTON23));
}

TEST_F(MoneyPapers, ANameWithoutExtensionGetsTxtInTheChosenFolder) {
    on_statement_screen(EDITION_SHOP, true);
    fs::create_directory(at("控え"));
    dialogs.replies = {at("控え/お客様用")};
    click(c().BUTTON22);
    EXPECT_EQ(s().LASTDIR, at("控え/"));
    EXPECT_EQ(s().FILENAME, at("控え/お客様用.TXT"));
    const std::string head = rt::to_sjis(ESTIMATE_TITLE) + "\r\n\r\n";
    EXPECT_EQ(contents(at("控え/お客様用.TXT")).substr(0, head.size()), head);
}

TEST_F(MoneyPapers, AnExistingPaperIsReplaced) {
    on_statement_screen(EDITION_CUSTOMER, false);
    testing::TempDir::write(at("明細書.TXT"), "old paper, longer than the new one\r\n");
    dialogs.replies = {at("明細書.TXT")};
    click(c().BUTTON22);
    EXPECT_EQ(contents(at("明細書.TXT")),
              "\r\n"
              "作業代明細書\r\n"_sj
              "\r\n");
    EXPECT_EQ(files_in_folder(), 1u);
}

TEST_F(MoneyPapers, AFailedWriteIsReportedAndTheScreenStays) {
    struct Case {
        const char* name;
        const char* target;
    };
    // A name that is a folder, and a folder that is a file: both fail for
    // root as well.
    const Case cases[] = {{"a folder", "見積書.TXT"}, {"a file as folder", "メモ.TXT/見積書.TXT"}};
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        on_statement_screen(EDITION_SHOP, true);
        fs::create_directory(at("見積書.TXT"));
        testing::TempDir::write(at("メモ.TXT"), "memo");
        const std::string shown = c().EDIT6->text();
        dialogs.replies = {at(tc.target)};
        click(c().BUTTON22);
        ASSERT_EQ(dialogs.seen.size(), 2u);
        const auto& box = dialogs.seen[1];
        EXPECT_EQ(box.kind, "msgbox");
        EXPECT_EQ(box.caption, files::file_error_caption());
        EXPECT_NE(box.text.find(rt::to_sjis(at(tc.target))), std::string::npos);
        EXPECT_EQ(box.icon, ui::Icon::Stop);
        EXPECT_TRUE(fs::is_directory(at("見積書.TXT")));
        EXPECT_EQ(contents(at("メモ.TXT")), "memo");
        EXPECT_TRUE(c().FORM5->visible());
        EXPECT_EQ(c().EDIT6->text(), shown);
        EXPECT_EQ(s().STATEMENT_SHOWN, 0);

        // The button works again, with a new dialog.
        dialogs.seen.clear();
        dialogs.replies = {at("見積書2.TXT")};
        click(c().BUTTON22);
        EXPECT_EQ(dialogs.seen.size(), 1u);
        EXPECT_TRUE(fs::is_regular_file(at("見積書2.TXT")));
        fs::remove_all(at("見積書.TXT"));
        fs::remove(at("見積書2.TXT"));
        fs::remove(at("メモ.TXT"));
    }
}

TEST_F(MoneyPapers, PaperBytesFollowGroupEditionAndTheTextShown) {
    struct Case {
        const char* name;
        int16 edition, group, statement_shown, invoice;
        const char* shown;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty statement", EDITION_CUSTOMER, 22, 1, 0, "", "\r\n\r\n"},
        {"empty estimate", EDITION_CUSTOMER, 22, 0, 0, "",
         rt::to_sjis(ESTIMATE_TITLE) + "\r\n\r\n\r\n"},
        // The invoice lines belong to the shop edition only.
        {"customer invoice", EDITION_CUSTOMER, 23, 0, 1, "表\r\n", "\r\n表\r\n\r\n"_sj},
        {"shop statement", EDITION_SHOP, 22, 1, 1, "表\r\n", "\r\n表\r\n\r\n"_sj},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        start(tc.edition);
        s().PENDING_ACTION = tc.group;
        s().STATEMENT_SHOWN = tc.statement_shown;
        s().INVOICE_FLAG = tc.invoice;
        c().EDIT6->set_text(rt::to_sjis(tc.shown));
        EXPECT_EQ(summary::money_paper_bytes(), tc.bytes);
    }
}

}  // namespace
}  // namespace scanfee
