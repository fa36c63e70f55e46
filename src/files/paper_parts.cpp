#include "files/paper_parts.h"

#include <algorithm>

#include "core/order_state.h"
#include "files/file_steps.h"
#include "files/text_utils.h"
#include "runtime/sjis.h"
#include "screens/controls.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// ALIGN_LINES(1)..(250) take the lines of one call.
constexpr size_t ALIGN_ROOM = ALIGN_LINE_COUNT - 1;

void align_part(rt::int16 mode, std::vector<std::string>& cells, size_t first, size_t count,
                const std::string* width_carrier) {
    OrderState& s = order();
    for (size_t i = 0; i < count; ++i) s.ALIGN_LINES[i + 1] = cells[first + i];
    size_t n = count;
    if (width_carrier) s.ALIGN_LINES[++n] = *width_carrier;
    文字列整理_SUB(mode, static_cast<rt::int16>(n));
    for (size_t i = 0; i < count; ++i) cells[first + i] = s.ALIGN_LINES[i + 1];
}

// The work content and the detail code of a title for the request sheet:
// 解体・データ化 (0100,156), or 解体のみ (詳細無し).
std::string work_detail_cell(const TitleRef& t) {
    const OrderState& s = order();
    const int16 work = s.WORK(t.slot, t.category);
    std::string cell = work_content_name(work);
    if (work > 1)
        return cell + " (" + rt::digits_int(s.OPT_EDIT(t.slot, t.category)) +
               rt::digits_int(s.OPT_NOMOIRE(t.slot, t.category)) +
               rt::digits_int(s.OPT_SINGLE(t.slot, t.category)) +
               rt::digits_int(s.OPT_TRIM(t.slot, t.category)) + "," +
               rt::digits_int(s.DPI(t.slot, t.category)) + ")";
    return cell + " (詳細無し)"_sj;
}

// A column of cells right-aligned, and its header centred over it: the
// header takes the column's width when the column is the wider.
struct TableColumn {
    std::string header;
    std::vector<std::string> cells;
};

TableColumn table_column(std::string header, std::vector<std::string> cells) {
    align_column(2, cells);
    std::vector<std::string> top{std::move(header)};
    if (!cells.empty()) top.push_back(cells.front());
    align_column(1, top);
    return {top.front(), std::move(cells)};
}

}  // namespace

std::string align_column(rt::int16 mode, std::vector<std::string>& cells) {
    size_t width = 0;
    for (const std::string& cell : cells) width = std::max(width, cell.size());
    if (width == 0) return {};
    if (cells.size() <= ALIGN_ROOM) {
        align_part(mode, cells, 0, cells.size(), nullptr);
    } else {
        // A line of blanks of the common width in every part makes each part
        // pad to that width.
        const std::string carrier(width, ' ');
        for (size_t first = 0; first < cells.size(); first += ALIGN_ROOM - 1)
            align_part(mode, cells, first, std::min(ALIGN_ROOM - 1, cells.size() - first),
                       &carrier);
    }
    return order().ALIGN_LINES[0];
}

std::string work_content_name(rt::int16 work) {
    switch (work) {
    case 1: return "解体のみ"_sj;
    case 2: return "解体・データ化"_sj;
    case 3: return "解体・データ化再製本"_sj;
    default: return {};
    }
}

std::string letter_category_name(int category) {
    switch (category) {
    case CAT_COMICS: return "コミック"_sj;
    case CAT_DOUJIN: return "同人誌"_sj;
    case CAT_SADDLE_MAGAZINE:
    case CAT_PERFECT_MAGAZINE: return "雑誌"_sj;
    default: return "写真・資料集等"_sj;
    }
}

std::vector<TitleRef> order_titles_where(const std::function<bool(int, int)>& keep) {
    const OrderState& s = order();
    std::vector<TitleRef> titles;
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        for (int slot = 0; slot < s.TITLECOUNT(category) && slot < SLOT_COUNT; ++slot)
            if (keep(slot, category)) titles.push_back({slot, category});
    return titles;
}

std::vector<TitleRef> order_titles() {
    return order_titles_where([](int, int) { return true; });
}

std::string fw_spaces(int count) {
    std::string spaces;
    for (int i = 0; i < count; ++i) spaces += "　"_sj;
    return spaces;
}

void write_lines(rt::TextFileWriter& file, std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) file.write(line);
}

void write_date_block(rt::TextFileWriter& file) {
    write_lines(file, {fw_spaces(14) + "年　　月　　日"_sj, "", ""});
}

void write_signer_block(rt::TextFileWriter& file, const std::string& role) {
    write_lines(file, {role + "　住所"_sj, "", fw_spaces(4) + "氏名"_sj + fw_spaces(18) + "印"_sj,
                       "", ""});
}

void write_book_table(rt::TextFileWriter& file, const std::vector<TitleRef>& titles,
                      bool with_work_detail) {
    const OrderState& s = order();
    const std::string gap = "　"_sj;
    std::vector<std::string> details, categories;
    for (const TitleRef& t : titles) {
        if (with_work_detail) details.push_back(work_detail_cell(t));
        categories.push_back(letter_category_name(t.category));
    }
    TableColumn work;
    if (with_work_detail) work = table_column("作業内容と詳細ｺｰﾄﾞ"_sj, std::move(details));
    TableColumn kind = table_column("種別"_sj, std::move(categories));

    const std::string lead = with_work_detail ? work.header + gap : std::string();
    file.write(lead, kind.header, gap, "タイトル"_sj);
    for (size_t i = 0; i < titles.size(); ++i) {
        const std::string row_lead = with_work_detail ? work.cells[i] + gap : std::string();
        file.write(row_lead, kind.cells[i], gap, s.TITLE(titles[i].slot, titles[i].category));
    }
}

bool write_paper(const std::function<void(rt::TextFileWriter&)>& fill) {
    rt::TextFileWriter file(order().FILENAME, rt::WriteMode::Replace);
    fill(file);
    return commit_file(screens::scr().MAINFORM, file);
}

std::string paper_bytes(const std::function<void(rt::TextFileWriter&)>& fill) {
    rt::TextFileWriter file("");
    fill(file);
    return file.bytes();
}

}  // namespace scanfee::files
