#include "screens/title_list.h"

#include <vector>

#include "core/order_state.h"
#include "core/startup.h"
#include "fees/order_totals.h"
#include "files/text_utils.h"
#include "runtime/gcc12_false_positives.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/entry_screen.h"
#include "screens/number_texts.h"

namespace scanfee::screens {
namespace {

using namespace rt::literals;

// Right-aligns one column of n cells through the shared alignment lines.
template <class Cell>
std::vector<std::string> right_aligned(int n, Cell cell) {
    OrderState& s = order();
    for (int i = 0; i < n; ++i) s.ALIGN_LINES[size_t(i) + 1] = cell(i);
    files::文字列整理_SUB(2, static_cast<int16>(n));
    return {s.ALIGN_LINES.begin() + 1, s.ALIGN_LINES.begin() + 1 + n};
}

}  // namespace

std::string add_title_row() { return "タイトルを追加"_sj; }

void LIST1_ADD() {
    OrderState& s = order();
    Controls& c = scr();
    c.LIST1->clear_items();
    const int category = s.CATEGORY;
    s.GIFTCOUNT(category) = 0;
    s.ZERO_TOTAL_FLAG = 0;

    int n = 0;
    while (n < SLOT_COUNT && !s.TITLE(n, category).empty()) {
        if (s.GIFT(n, category) == 1) ++s.GIFTCOUNT(category);
        ++n;
    }
    s.TITLECOUNT(category) = static_cast<int16>(n);
    s.ADD_ROW = static_cast<int16>(n);

    if (n > 0) {
        auto numbers = right_aligned(n, [](int i) { return rt::digits_int(int16(i + 1)); });
        // "\\" + text: GCC 12's false -Wrestrict (gcc12_false_positives.h).
        SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
        auto amounts = right_aligned(n, [&](int i) {
            if (s.TITLE_TOTAL(i, category) == 0) s.ZERO_TOTAL_FLAG = 1;
            return "\\" + plain_text(s.TITLE_TOTAL(i, category));
        });
        SCANFEE_GCC12_FALSE_POSITIVE_END
        auto gifts = right_aligned(n, [&](int i) {
            return s.GIFT(i, category) == 1 ? "贈与"_sj : std::string();
        });
        for (int i = 0; i < n; ++i)
            c.LIST1->add_item(numbers[size_t(i)] + "  " + amounts[size_t(i)] + "   " +
                              gifts[size_t(i)] + "   " + s.TITLE(i, category));
    }
    if (n < s.TITLE_LIMIT(category)) c.LIST1->add_item(add_title_row());

    fees::小合計_SUB();
    c.TEXT14->set_text(full_width_yen(s.CAT_SUBTOTAL(category)));
}

void LIST1_CLICK() {
    OrderState& s = order();
    int row = scr().LIST1->selected();
    // A click below the last row hits no title.
    if (row < 0) return;
    s.CURTITLE = static_cast<int16>(row);
    if (s.CURTITLE == s.ADD_ROW) 変数_RESETSUB();
    タイトル別_SETSUB();
    if (s.OPT_COMP(s.CURTITLE, s.CATEGORY) == 1) scr().CHECK6->set_checked(1);
}

void BUTTON20_ON() {
    OrderState& s = order();
    const int count = s.TITLECOUNT(s.CATEGORY);
    for (int i = 0; i <= count && i < SLOT_COUNT; ++i) {
        s.CURTITLE = static_cast<int16>(i);
        変数_RESETSUB();
    }
    LIST1_ADD();
}

void register_title_list(ui::EventTable& events) {
    events.on("LIST1_CLICK", LIST1_CLICK);
    // "全タイトル消去" (BUTTON20_ON) is bound by the undo around it.
}

}  // namespace scanfee::screens
