#include "summary/money_papers.h"

#include "core/order_state.h"
#include "files/file_steps.h"
#include "runtime/clock.h"
#include "runtime/sjis.h"
#include "runtime/text_file.h"
#include "screens/controls.h"
#include "ui/dialogs.h"

namespace scanfee::summary {
namespace {

using namespace rt::literals;
using screens::scr;

struct Paper {
    const char* dialog_title;
    const char* file_name;
};

constexpr Paper STATEMENT{"明細書の出力", "明細書.TXT"};
constexpr Paper ESTIMATE{"見積書の出力", "見積書.TXT"};
constexpr Paper INVOICE{"請求書の出力", "請求書.TXT"};
constexpr Paper RECEIPT{"領収書の出力", "領収書.TXT"};

// Asks for the file of the paper and writes it; a cancelled dialog writes
// nothing.
void save_paper(const Paper& paper) {
    if (!files::choose_save_file(scr().FORM5, rt::to_sjis(paper.dialog_title),
                                 rt::to_sjis(paper.file_name), "テキスト形式(*.TXT)"_sj, ".TXT"))
        return;
    OUTFILE3_SUB();
}

void write_paper(rt::TextFileWriter& file) {
    const OrderState& s = order();
    const bool shop_papers =
        s.PENDING_ACTION == PAPERS_INVOICE_RECEIPT && s.EDITION == EDITION_SHOP;
    const bool invoice = s.INVOICE_FLAG == 1;
    const std::string indent = "　　　　　　　　　　　　　"_sj;  // 13 ideographic blanks
    const std::string address_indent = "　　　　　　　　　　　　　　　　　　　"_sj;  // 19

    if (s.PENDING_ACTION == PAPERS_STATEMENT_ESTIMATE && s.STATEMENT_SHOWN != 1)
        file.write(indent, "見　　　積　　　書"_sj);
    if (shop_papers) {
        // The date of the moment the paper is written, not of the start.
        const std::string today = rt::today_text();
        file.write(indent, invoice ? "請　　　求　　　書"_sj : "領　　　収　　　書"_sj);
        file.write();
        file.write(s.CUSTNAME, "　様"_sj);
        file.write(address_indent, today.substr(0, 4), "年"_sj, today.substr(5, 2), "月"_sj,
                   today.substr(8, 2), "日"_sj);
        file.write(address_indent, "東京都架空市見本町１番１１号"_sj);
        file.write(address_indent, "ホシナギ書籍工房"_sj);
    }
    file.write();
    // The text ends with its own CR LF, so this leaves one more empty line.
    file.write(scr().EDIT6->text());
    if (shop_papers) {
        file.write();
        file.write();
        file.write("　　　　　　　"_sj, invoice ? "上記差引合計金額の通り御請求申し上げます。"_sj
                                                : "上記総合計金額の通り領収しました。"_sj);
    }
}

}  // namespace

std::string money_paper_bytes() {
    rt::TextFileWriter file("");
    write_paper(file);
    return file.bytes();
}

bool OUTFILE3_SUB() {
    rt::TextFileWriter file(order().FILENAME, rt::WriteMode::Replace);
    write_paper(file);
    return files::commit_file(scr().FORM5, file);
}

void BUTTON22_ON() {
    OrderState& s = order();
    s.PENDING_ACTION = PAPERS_STATEMENT_ESTIMATE;
    save_paper(s.STATEMENT_SHOWN == 1 ? STATEMENT : ESTIMATE);
}

void BUTTON23_ON() {
    OrderState& s = order();
    s.PENDING_ACTION = PAPERS_INVOICE_RECEIPT;
    s.INVOICE_FLAG = 0;
    int answer = ui::message_box(scr().FORM5, "請求書／領収書　識別"_sj, "請求書の発行ですか？"_sj,
                                 ui::Buttons::YesNo, ui::Icon::Question);
    if (answer == ui::ANSWER_YES) s.INVOICE_FLAG = 1;
    save_paper(s.INVOICE_FLAG == 1 ? INVOICE : RECEIPT);
}

}  // namespace scanfee::summary
