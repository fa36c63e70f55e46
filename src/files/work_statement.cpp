// The work-fee statement: per category a table of every title's charges,
// lined up in columns for the fixed-pitch statement screen, with the
// category subtotal and any compensation below it.
#include <algorithm>
#include <array>

#include "core/order_state.h"
#include "fees/base_price.h"
#include "fees/option_charges.h"
#include "fees/order_totals.h"
#include "files/application_papers.h"
#include "files/paper_parts.h"
#include "runtime/sjis.h"
#include "runtime/gcc12_false_positives.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

constexpr int TITLE_CUT_BYTES = 20;
const std::string CRLF = "\r\n";
const std::string GAP = "  ";
const std::string YEN = "\\";  // the yen sign of the Japanese fonts

std::string statement_category_name(int category) {
    static const char* const names[CATEGORY_COUNT] = {
        "コミック", "同人誌", "中綴じ雑誌", "無線綴じ雑誌", "写真・資料集等",
    };
    return rt::to_sjis(names[category]);
}

// The first 20 bytes of a title, but never half a character: a two-byte
// character that would straddle the cut is left out whole.
std::string cut_title(const std::string& title) {
    size_t end = 0;
    while (end < title.size()) {
        const bool pair = rt::is_lead_byte(static_cast<unsigned char>(title[end])) &&
                          end + 1 < title.size();
        const size_t next = end + (pair ? 2 : 1);
        if (next > size_t(TITLE_CUT_BYTES)) break;
        end = next;
    }
    return title.substr(0, end);
}

std::string yen(single amount) { return YEN + rt::digits_single(amount); }

// The columns in the order of the rows.
enum Col { NAME, EMPTY, WORK, BASIC, EDIT, SINGLE, TRIM, MOIRE, DPI, SUBTOTAL, REMARKS, COLS };

struct Column {
    std::vector<std::string> cells;  // header, one per title, then the footers
    std::string blank;               // a blank cell of the column's width
};

std::string category_statement(int category) {
    OrderState& s = order();
    s.CATEGORY = static_cast<int16>(category);
    const int n = std::min<int>(s.TITLECOUNT(category), SLOT_COUNT);

    std::array<Column, COLS> col;
    const std::array<const char*, COLS> headers = {
        "書籍名", "", "作業内容", "基本金額", "作品別編集", "単ページ化", "トリミング",
        "モアレ除去の有無", "ＤＰＩ指定", "小計", "備考欄",
    };
    for (int c = 0; c < COLS; ++c) col[c].cells.push_back(rt::to_sjis(headers[size_t(c)]));

    single compensated = 0;
    for (s.CURTITLE = 0; s.CURTITLE < n; ++s.CURTITLE) {
        const int t = s.CURTITLE;
        fees::基本金額_SUB1();
        fees::オプション金額_SUB1();
        fees::オプション金額_SUB();
        fees::タイトル別合計_SUB();
        col[NAME].cells.push_back(cut_title(s.TITLE(t, category)));
        col[EMPTY].cells.push_back({});
        col[WORK].cells.push_back(work_content_name(s.WORK(t, category)));
        col[BASIC].cells.push_back(yen(s.BASIC_AMOUNT));
        col[EDIT].cells.push_back(yen(s.FEE_OPT_EDIT));
        col[MOIRE].cells.push_back(s.OPT_NOMOIRE(t, category) == 1 ? "モアレ除去無し"_sj
                                                                    : "モアレ除去有り"_sj);
        // "-" + text: GCC 12's false -Wrestrict (runtime/gcc12_false_positives.h).
        SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
        col[SINGLE].cells.push_back(s.FEE_OPT_SINGLE < 0 ? "-" + yen(-s.FEE_OPT_SINGLE)
                                                          : YEN + "0");
        SCANFEE_GCC12_FALSE_POSITIVE_END
        col[TRIM].cells.push_back(yen(s.FEE_OPT_TRIM));
        col[DPI].cells.push_back(yen(s.FEE_OPT_DPI) + "(" + rt::digits_int(s.DPI(t, category)) +
                                 "dpi)");
        col[SUBTOTAL].cells.push_back(yen(s.TITLE_TOTAL(t, category)));
        const single comp = s.COMP_AMOUNT(t, category);
        col[REMARKS].cells.push_back(comp > 0 ? "補償につき、-"_sj + yen(comp) : std::string());
        if (comp > 0) compensated = rt::to_single(double(compensated) + comp);
    }
    fees::小合計_SUB();
    const single subtotal = s.CAT_SUBTOTAL(category);

    col[SUBTOTAL].cells.push_back(yen(subtotal));
    col[SUBTOTAL].cells.push_back({});
    if (compensated > 0) {
        col[REMARKS].cells.push_back("小合計から"_sj + rt::digits_single(compensated) + "円引き"_sj);
        col[REMARKS].cells.push_back("差引小合計 "_sj + YEN +
                                     rt::str_expr(double(subtotal) - compensated).substr(1));
    } else {
        col[REMARKS].cells.push_back({});
        col[REMARKS].cells.push_back({});
    }

    for (int c = 0; c < COLS; ++c) {
        if (c == EMPTY) continue;
        const rt::int16 mode = (c == NAME || c == SUBTOTAL) ? 2 : 0;
        col[c].blank = align_column(mode, col[c].cells);
    }

    std::string text = statement_category_name(category) + "の申込明細"_sj + CRLF;
    for (int row = 0; row <= n; ++row) {
        for (int c = 0; c < COLS; ++c) {
            text += col[c].cells[size_t(row)];
            text += c + 1 < COLS ? GAP : CRLF;
        }
    }

    // The footer stands under the subtotal and remarks columns.
    std::string prefix;
    for (int c = NAME; c <= DPI; ++c) prefix += (c == NAME ? "" : GAP) + col[c].blank;
    std::vector<std::string> label{prefix, "小合計"_sj, prefix};
    const std::string prefix_blank = align_column(2, label);
    text += label[1] + GAP + col[SUBTOTAL].cells[size_t(n) + 1] + GAP +
            col[REMARKS].cells[size_t(n) + 1] + CRLF;
    text += prefix_blank + GAP + col[SUBTOTAL].cells[size_t(n) + 2] + GAP +
            col[REMARKS].cells[size_t(n) + 2] + CRLF;
    text += CRLF;
    return text;
}

}  // namespace

std::string work_statement_text() {
    OrderState& s = order();
    std::string text;
    int16 last_count = s.CURTITLE;
    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        if (s.TITLECOUNT(category) <= 0) continue;
        text += category_statement(category);
        last_count = s.CURTITLE;
    }
    s.CATEGORY = CATEGORY_COUNT;
    s.CURTITLE = last_count;
    return text;
}

}  // namespace scanfee::files
