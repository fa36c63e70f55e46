#include "screens/title_limit.h"

#include "core/order_state.h"
#include "files/text_utils.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "ui/dialogs.h"

namespace scanfee::screens {

using namespace rt::literals;

std::string title_limit_caption() { return "一度に申込みできるタイトル数に達しました"_sj; }

std::string title_limit_text(rt::int16 category) {
    static const char* const phrases[CATEGORY_COUNT] = {
        "コミックは", "同人誌は", "中綴じ雑誌は", "無線綴じ雑誌は", "写真集等は",
    };
    // The limit first: it checks the category before the phrase is taken.
    const std::string limit = files::full_width(rt::digits_int(order().TITLE_LIMIT(category)));
    return rt::to_sjis(phrases[category]) + limit + "冊までです。"_sj;
}

void show_title_limit_message(rt::int16 category) {
    ui::message_box(scr().FORM4, title_limit_caption(), title_limit_text(category),
                    ui::Buttons::Ok, ui::Icon::Information);
}

}  // namespace scanfee::screens
