#include "screens/navigation.h"

#include "core/order_state.h"
#include "core/program.h"
#include "fees/discounts.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/title_list.h"
#include "summary/summary_screen.h"
#include "ui/dialogs.h"

namespace scanfee::screens {
namespace {

using namespace rt::literals;

void back_to_summary() {
    if (order().ZERO_TOTAL_FLAG == 1)
        ui::message_box(scr().FORM2, "未入力のお知らせメッセージ"_sj,
                        "申込み書籍の中に金額が０円の物があります。"_sj, ui::Buttons::Ok,
                        ui::Icon::Information);
    summary::総合画面_SETSUB();
}

void cancel_import() {
    order().PENDING_ACTION = 0;
    scr().FORM2->show();
    scr().FORM4->hide();
}

}  // namespace

std::string title_list_caption(int16 category) {
    static const char* const prefixes[CATEGORY_COUNT] = {
        "コミック　申込資料作成画面（一度に申込みできるのは",
        "同人誌　申込資料作成画面（一度に申込みできるのは",
        "中綴じ雑誌　申込資料作成画面（一度に申込みできるのは",
        "無線綴じ雑誌　申込資料作成画面（一度に申込みできるのは",
        "写真集・資料集等　申込資料作成画面（一度に申込みできるのは",
    };
    return rt::to_sjis(prefixes[category]) + rt::str_int(order().TITLE_LIMIT(category)) +
           "冊まで）"_sj;
}

void open_category(int16 category) {
    Controls& c = scr();
    c.FORM2->set_text(title_list_caption(category));
    c.MAINFORM->hide();
    c.FORM2->show();
    order().CATEGORY = category;
    LIST1_ADD();
}

void register_navigation(ui::EventTable& events) {
    events.on("BUTTON5_ON", [] { open_category(CAT_COMICS); });
    events.on("BUTTON6_ON", [] { open_category(CAT_DOUJIN); });
    events.on("BUTTON7_ON", [] { open_category(CAT_SADDLE_MAGAZINE); });
    events.on("BUTTON8_ON", [] { open_category(CAT_PERFECT_MAGAZINE); });
    events.on("BUTTON9_ON", [] { open_category(CAT_PHOTO_BOOK); });
    events.on("BUTTON11_ON", back_to_summary);
    events.on("BUTTON1_ON", request_end);
    events.on("CHECK8_ON", summary::総合画面_SETSUB);
    events.on("EDIT4_CHANGE", fees::差引_SUB);
    events.on("EDIT5_CHANGE", fees::差引_SUB);
    events.on("BUTTON16_ON", cancel_import);
    events.on("BUTTON17_ON", [] { order().PENDING_ACTION = 2; });
    events.on("BUTTON18_ON", [] { order().PENDING_ACTION = 3; });
    events.on("BUTTON19_ON", [] { order().PENDING_ACTION = 4; });
}

}  // namespace scanfee::screens
