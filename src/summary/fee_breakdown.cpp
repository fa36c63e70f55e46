#include "summary/fee_breakdown.h"

#include <array>

#include "core/order_state.h"
#include "files/text_utils.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "screens/number_texts.h"
#include "summary/summary_screen.h"

namespace scanfee::summary {
namespace {

using namespace rt::literals;
using screens::full_width_yen;
using screens::scr;

constexpr int ROWS = 12;
constexpr int COLUMNS = 4;
using Table = std::array<std::array<std::string, COLUMNS>, ROWS + 1>;  // rows 1..12

const std::string CRLF = "\r\n";

// The circled digits ①, ②, ... of code page 932 (row 13 of JIS, from 0x8740).
std::string circled(int index) { return std::string{'\x87', char(0x40 + index)}; }

std::string count_cell(int category) {
    std::string text = rt::digits_int(order().TITLECOUNT(category));
    files::全角数字化_SUB(text);
    return text + "冊　　"_sj;
}

// The balance alone keeps its sign: a negative one shows the full-width minus.
std::string balance_cell() {
    std::string text = rt::str_single(order().BALANCE);
    files::全角数字化_SUB(text);
    return text + "円"_sj;
}

Table upper_block() {
    const OrderState& s = order();
    const std::string subtotal_label = "　作業代小計"_sj;
    Table t{};
    t[1] = {"　　　書籍種別　　"_sj, "　　申込冊数　"_sj, "　　　　　　　"_sj,
            "　　　　　　　　"_sj};
    t[2] = {"　　　　　コミック"_sj, count_cell(CAT_COMICS), circled(0) + subtotal_label,
            full_width_yen(s.CAT_SUBTOTAL(CAT_COMICS))};
    // Rows 3 to 5 are never printed, but their labels count in the width of
    // the first column.
    t[3][0] = "　　　　　　同人誌"_sj;
    t[4][0] = "　　　　中綴じ雑誌"_sj;
    t[5][0] = "　　　無線綴じ雑誌"_sj;
    t[6] = {"　　写真・資料集等"_sj, count_cell(CAT_PHOTO_BOOK), circled(1) + subtotal_label,
            full_width_yen(s.CAT_SUBTOTAL(CAT_PHOTO_BOOK))};
    t[8][0] = "　　各種割引　　"_sj;
    t[9] = {"⑧　割引券割引"_sj, full_width_yen(s.COUPON_DISC), "④　作業代合計"_sj,
            full_width_yen(s.WORK_FEE_TOTAL)};
    t[10] = {"⑨　特別割引"_sj, full_width_yen(s.SPECIAL_DISC), "⑤　メディア代"_sj,
             full_width_yen(s.MEDIA_FEE)};
    t[11] = {"⑩　コミック箱割り"_sj, full_width_yen(s.BOX_DISC_COMIC), "⑥　返　送　料"_sj,
             shipping_text()};
    t[12] = {"", "", "⑦　小　合　計"_sj, full_width_yen(s.SUBTOTAL)};
    return t;
}

// Pads the cells of one column to the column's widest cell.
void align_column(Table& t, int column, int16 mode) {
    auto& lines = order().ALIGN_LINES;
    for (int row = 1; row <= ROWS; ++row) lines[size_t(row)] = t[size_t(row)][size_t(column)];
    files::文字列整理_SUB(mode, ROWS);
    for (int row = 1; row <= ROWS; ++row) t[size_t(row)][size_t(column)] = lines[size_t(row)];
}

// Right-aligns a column of amounts beside fixed formula texts.
std::array<std::string, 4> aligned_amounts(std::array<std::string, 4> amounts) {
    auto& lines = order().ALIGN_LINES;
    for (size_t i = 0; i < amounts.size(); ++i) lines[i + 1] = amounts[i];
    files::文字列整理_SUB(2, int16(amounts.size()));
    for (size_t i = 0; i < amounts.size(); ++i) amounts[i] = lines[i + 1];
    return amounts;
}

std::string table_line(const Table& t, int row) {
    const auto& r = t[size_t(row)];
    return r[0] + "  " + r[1] + "  　"_sj + r[2] + "  " + r[3] + CRLF;
}

}  // namespace

std::string fee_breakdown_text() {
    const OrderState& s = order();
    const std::string eight_blanks = "　　　　　　　　"_sj;

    Table t = upper_block();
    align_column(t, 0, 0);
    align_column(t, 1, 2);
    align_column(t, 2, 0);
    align_column(t, 3, 2);

    std::string text;
    for (int row : {1, 2, 6}) text += table_line(t, row);
    text += t[7][0] + CRLF;
    text += t[8][0] + CRLF;
    for (int row : {9, 10, 11, 12}) text += table_line(t, row);
    text += CRLF;

    const auto totals =
        aligned_amounts({eight_blanks, full_width_yen(s.DISCOUNT_TOTAL),
                         full_width_yen(s.COMP_TOTAL), full_width_yen(s.GRAND_TOTAL)});
    const std::string formulas[] = {
        "　　④＝①＋②　　　　　　　　　　　　　　　　　　　"_sj,
        "　　⑦＝④＋⑤＋⑥　　　　　　　　　　⑫　割引額合計"_sj,
        "　　⑫＝⑧＋⑨＋⑩　　　　　　　　　　⑬　作業代補償"_sj,
        "　　⑭＝(④＋⑤－⑫－⑬)＋⑥　　　　　⑭　総合計金額"_sj,
    };
    for (size_t i = 0; i < totals.size(); ++i) text += formulas[i] + "  " + totals[i] + CRLF;
    text += "　　但し(④＋⑤－⑫－⑬)＜０時は０　　　　　　　　"_sj + CRLF;

    if (s.EDITION == EDITION_SHOP) {
        text += CRLF;
        // The fourth entry is never printed; it keeps the column at least
        // eight characters wide, like the one above.
        const auto balance = aligned_amounts(
            {full_width_yen(s.ADVANCE), full_width_yen(s.SMALLDISC), balance_cell(), eight_blanks});
        const std::string balance_formulas[] = {
            "　　　　　　　　　　　　　　　　　　　⑮　前　受　金"_sj,
            "　　　　　　　　　　　　　　　　　　　⑯　調整割引　"_sj,
            "　　⑰＝⑭－⑮－⑯　　　　　　　　　　⑰　差引合計　"_sj,
        };
        for (size_t i = 0; i < 3; ++i) text += balance_formulas[i] + "　"_sj + balance[i] + CRLF;
    }
    return text;
}

void BUTTON21_ON() {
    OrderState& s = order();
    screens::Controls& c = scr();
    c.EDIT6->set_text({});
    if (s.STATEMENT_SHOWN != 1) {
        c.MAINFORM->show();
        c.FORM5->hide();
        return;
    }
    s.STATEMENT_SHOWN = 0;
    if (s.EDITION == EDITION_SHOP) c.BUTTON23->show();
    c.EDIT6->set_text(fee_breakdown_text());
}

}  // namespace scanfee::summary
