// The management data: one comma-separated line per title for the shop's
// own records, all under the application number.
#include "core/order_state.h"
#include "files/application_papers.h"
#include "files/paper_parts.h"
#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

std::string management_category_name(int category) {
    switch (category) {
    case CAT_COMICS: return "コミック"_sj;
    case CAT_DOUJIN: return "同人誌"_sj;
    case CAT_SADDLE_MAGAZINE:
    case CAT_PERFECT_MAGAZINE: return "雑誌"_sj;
    default: return "資料集等"_sj;
    }
}

// The book kind of comics and doujinshi, the binding of the magazines.
std::string kind_name(int slot, int category) {
    const bool first_kind = order().EDTYPE(slot, category) == 1;
    switch (category) {
    case CAT_COMICS: return first_kind ? "通常版"_sj : "コンビニ版"_sj;
    case CAT_DOUJIN: return first_kind ? "中綴じ版"_sj : "無線綴じ版"_sj;
    case CAT_SADDLE_MAGAZINE: return "中綴じ"_sj;
    case CAT_PERFECT_MAGAZINE: return "無線綴じ"_sj;
    default: return {};
    }
}

std::string yes_if_set(int16 flag) { return flag == 1 ? "YES" : ""; }

// A text that would break the line into more fields (a comma, a double
// quote or a line break in it) goes in double quotes with its quotes
// doubled; every other text stays as it is. Shift-JIS trail bytes are never
// 0x22, 0x2C, 0x0A or 0x0D, so the bytes can be searched directly.
std::string csv_field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

void fill_management_data(rt::TextFileWriter& file) {
    OrderState& s = order();
    file.write("申込No,種別,識別,作業内容,作品別編集,モアレ除去無し,単ページ,トリミング,取込解像度,タイトル"_sj);
    const std::string appno = csv_field(s.APPNO);
    for (int category = 0; category < CATEGORY_COUNT; ++category) {
        if (s.TITLECOUNT(category) <= 0) continue;
        for (s.CURTITLE = 0; s.CURTITLE < s.TITLECOUNT(category) && s.CURTITLE < SLOT_COUNT;
             ++s.CURTITLE) {
            const int t = s.CURTITLE;
            file.write(appno, ",", management_category_name(category), ",",
                       kind_name(t, category), ",", work_content_name(s.WORK(t, category)), ",",
                       yes_if_set(s.OPT_EDIT(t, category)), ",",
                       yes_if_set(s.OPT_NOMOIRE(t, category)), ",",
                       yes_if_set(s.OPT_SINGLE(t, category)), ",",
                       yes_if_set(s.OPT_TRIM(t, category)), ",",
                       rt::digits_int(s.DPI(t, category)), ",", csv_field(s.TITLE(t, category)));
        }
    }
}

}  // namespace

std::string management_data_bytes() { return paper_bytes(fill_management_data); }

bool OUTFILE4_SUB() { return write_paper(fill_management_data); }

}  // namespace scanfee::files
