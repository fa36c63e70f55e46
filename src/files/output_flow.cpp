// The output button of the summary screen: checks the order, writes the
// papers of the edition one by one, each through its own save dialog, and
// opens the statement screen with the work-fee statement.
#include "core/order_state.h"
#include "files/application_papers.h"
#include "files/file_steps.h"
#include "files/order_file.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "ui/dialogs.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// The document set: which papers the order needs besides the request sheet
// and the management data.
constexpr int16 SET_SCANNED = 1;  // a title is scanned: power of attorney
constexpr int16 SET_GIFT = 2;     // a title is given to the shop: gift deed

const ui::Form* owner() { return screens::scr().MAINFORM; }

std::string caption() { return "申込用データの出力のお知らせ"_sj; }

bool has_zero_amount_title() {
    const OrderState& s = order();
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        for (int slot = 0; slot < s.TITLECOUNT(category) && slot < SLOT_COUNT; ++slot)
            if (s.TITLE_TOTAL(slot, category) == 0) return true;
    return false;
}

int16 document_set() {
    const OrderState& s = order();
    int16 set = 0;
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        for (int slot = 0; slot < s.TITLECOUNT(category) && slot < SLOT_COUNT; ++slot) {
            if (s.WORK(slot, category) > 1) set |= SET_SCANNED;
            if (s.GIFT(slot, category) == 1) set |= SET_GIFT;
        }
    return set;
}

bool announce(const std::string& text) {
    return ui::message_box(owner(), caption(), text, ui::Buttons::OkCancel,
                           ui::Icon::Exclamation) == ui::ANSWER_OK;
}

// The save dialog of one paper; false when it was cancelled.
bool choose_paper_file(const char* title, const char* default_name) {
    return choose_save_file(owner(), rt::to_sjis(title), rt::to_sjis(default_name),
                            "テキスト形式(*.TXT)"_sj, ".TXT");
}

// The management data goes under the application number the user confirms.
// Cancelling the number skips the data and keeps the number there was.
void write_management_data() {
    OrderState& s = order();
    std::string number = ui::input_box(owner(), "申込み番号の登録"_sj,
                                       "申込み番号を半角数字１０桁で入れて下さい"_sj, s.APPNO);
    if (number == ui::CANCEL_MARK) return;
    s.APPNO = number;
    OUTFILE4_SUB();
}

std::string announcement(int16 set) {
    if (set == 0) return "これから「依頼事項書」「管理データ」の２つのファイルを出力します。"_sj;
    if (set == SET_SCANNED)
        return "これから「依頼事項書」「委任状」「管理データ」の３つのファイルを出力します。"_sj;
    return "これから「依頼事項書」「委任状」「管理データ」「贈与証書」の４つのファイルを出力します。"_sj;
}

// The shop's papers. A failed file has been reported by its writer; the
// next paper follows all the same.
void write_shop_papers(int16 set) {
    OrderState& s = order();
    s.CUSTNAME = screens::scr().EDIT7->text();
    if (!announce(announcement(set))) return;
    if (choose_paper_file("契約書に添付するデータの出力", "依頼事項書.TXT")) OUTFILE1_SUB();
    if (set > 0 && choose_paper_file("複写作業の為の委任状の出力", "委任状.TXT")) OUTFILE2_SUB();
    if (choose_paper_file("管理データの出力", "管理.TXT")) write_management_data();
    // Every order that announces the gift deed gets it, also one whose gift
    // titles are not scanned (only a loaded order file can hold such titles).
    if ((set & SET_GIFT) != 0 && choose_paper_file("贈与証書の出力", "贈与証書.TXT"))
        OUTFILE5_SUB();
}

// The customer sends the order in as an order file attached to a mail.
void write_mail_attachment() {
    if (!announce("これから「申込みメール添付用」のファイルを出力します。"_sj)) return;
    if (choose_paper_file("メールに添付するデータの出力", "メール添付用.TXT")) WFILE_SUB();
}

void offer_statement() {
    OrderState& s = order();
    screens::Controls& c = screens::scr();
    const int answer =
        ui::message_box(owner(), "作業代明細書出力のお知らせ"_sj,
                        "これから「作業代の明細書」を出力します。"_sj, ui::Buttons::OkCancel,
                        ui::Icon::Exclamation);
    if (answer != ui::ANSWER_OK) {
        s.STATEMENT_SHOWN = 0;
        return;
    }
    c.BUTTON23->hide();
    c.FORM5->show();
    c.MAINFORM->hide();
    s.STATEMENT_SHOWN = 1;
    c.EDIT6->set_text(work_statement_text());
}

}  // namespace

void BUTTON2_ON() {
    OrderState& s = order();
    if (s.TOTAL_TITLES == 0) return;
    if (has_zero_amount_title()) {
        ui::message_box(owner(), caption(), "申込み書籍の中に金額が０円の物があります。"_sj,
                        ui::Buttons::Ok, ui::Icon::Stop);
        return;
    }
    const int16 set = document_set();
    if (s.EDITION == EDITION_SHOP)
        write_shop_papers(set);
    else
        write_mail_attachment();
    offer_statement();
}

void register_application_output(ui::EventTable& events) { events.on("BUTTON2_ON", BUTTON2_ON); }

}  // namespace scanfee::files
