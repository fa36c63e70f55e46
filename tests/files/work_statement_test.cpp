#include <gtest/gtest.h>

#include <sstream>

#include "files/application_papers.h"
#include "papers_fixture.h"
#include "runtime/gcc12_false_positives.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;
using testing::blanks;
using testing::Book;
using testing::crlf_lines;

class Statement : public testing::PapersTest {
protected:
    void SetUp() override { start(EDITION_SHOP); }

    // The statement's lines without their CR LF.
    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> out;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            out.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
        return out;
    }
};

std::string join(std::initializer_list<std::string> cells) {
    std::string line;
    for (const std::string& cell : cells) {
        if (&cell != cells.begin()) line += "  ";
        line += cell;
    }
    return line;
}

// One comic ABC, cutting and scanning at 156 dpi with moiré removal and no
// other option: the columns as wide as their headers, except the book name
// (6), the empty column (0), the work content (14) and the subtotal, and the
// footer under the subtotal and remarks columns.
TEST_F(Statement, WorkedLayoutOfOneComic) {
    put({.title = "ABC"});
    const std::string text = work_statement_text();
    const std::string yen = "\\";
    EXPECT_EQ(text,
              crlf_lines({"コミックの申込明細"_sj,
                          join({"書籍名"_sj, "", "作業内容"_sj + blanks(6), "基本金額"_sj,
                                "作品別編集"_sj, "単ページ化"_sj, "トリミング"_sj,
                                "モアレ除去の有無"_sj, "ＤＰＩ指定"_sj, " 小計"_sj, "備考欄"_sj}),
                          join({"   ABC", "", "解体・データ化"_sj, yen + "1000   ",
                                yen + "0" + blanks(8), yen + "0" + blanks(8),
                                yen + "0" + blanks(8), "モアレ除去有り"_sj + blanks(2),
                                yen + "0(156dpi)", yen + "1000", blanks(6)}),
                          blanks(94) + "小合計"_sj + "  " + yen + "1000" + "  " + blanks(6),
                          blanks(100) + "  " + blanks(5) + "  " + blanks(6), ""}));
}

// The cells of one title row, in the order of the row.
// The case table's designated initialisers: GCC 12's false
// -Wmaybe-uninitialized when it is destroyed (runtime/gcc12_false_positives.h).
SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wmaybe-uninitialized")
TEST_F(Statement, TitleCells) {
    const struct {
        const char* name;
        Book book;
        std::vector<std::string> cells;  // name .. remarks, trimmed of the fill
    } cases[] = {
        {"every option, no moiré removal, 600 dpi",
         {.title = "T", .work = 3, .edit = 1, .nomoire = 1, .single_page = 1, .trim = 1, .dpi = 600},
         {"T", "", "解体・データ化再製本"_sj, "\\1400", "\\100", "-\\80", "\\800",
          "モアレ除去無し"_sj, "\\1600(600dpi)", "\\3820", ""}},
        {"compensated title", {.title = "T", .work = 1, .comp = 1},
         {"T", "", "解体のみ"_sj, "\\200", "\\0", "\\0", "\\0", "モアレ除去有り"_sj,
          "\\0(156dpi)", "\\200", "補償につき、-\\200"_sj}},
        {"a long title is cut at byte 20", {.title = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
         {"ABCDEFGHIJKLMNOPQRST"}},
        {"a two-byte character on the cut stays whole", {.title = "ABCDEFGHIJKLMNOPQRS" + "漢字"_sj},
         {"ABCDEFGHIJKLMNOPQRS"}},
        {"two-byte characters that end on the cut", {.title = "一二三四五六七八九十百"_sj},
         {"一二三四五六七八九十"_sj}},
        {"half-width kana count one byte", {.title = "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅ"_sj},
         {"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ"_sj}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(EDITION_SHOP);
        put(c.book);
        std::vector<std::string> rows = lines(work_statement_text());
        ASSERT_EQ(rows.size(), 6u);
        std::string row = rows[2];
        // Cells are separated by two blanks and padded with blanks: compare
        // the words of the row (no cell of these holds a blank).
        std::istringstream words(row);
        std::vector<std::string> got;
        for (std::string w; words >> w;) got.push_back(w);
        std::vector<std::string> want;
        for (const std::string& cell : c.cells)
            if (!cell.empty()) want.push_back(cell);
        got.resize(std::min(got.size(), want.size()));
        EXPECT_EQ(got, want) << rt::to_utf8(row);
    }
}

// The footer carries the category subtotal and, when titles are
// compensated, what the compensation takes off it.
SCANFEE_GCC12_FALSE_POSITIVE_END

TEST_F(Statement, CompensationFooter) {
    put({.title = "A", .work = 3, .trim = 1, .comp = 1});
    put({.title = "B", .work = 3, .trim = 1});
    put({.title = "C", .work = 3, .trim = 1, .comp = 1});
    std::vector<std::string> rows = lines(work_statement_text());
    ASSERT_EQ(rows.size(), 8u);
    const size_t remarks_at = rows[1].find("備考欄"_sj);
    ASSERT_NE(remarks_at, std::string::npos);
    // The remarks column is as wide as its widest footer cell (20 bytes), the
    // subtotal column as its amounts (5); the prefix P stands before them.
    const size_t prefix = remarks_at - 2 - 5 - 2;
    EXPECT_EQ(rows[2].substr(remarks_at), "補償につき、-\\2200"_sj + blanks(2));
    EXPECT_EQ(rows[3].substr(remarks_at), blanks(20));
    EXPECT_EQ(rows[4].substr(remarks_at), "補償につき、-\\2200"_sj + blanks(2));
    EXPECT_EQ(rows[5], blanks(prefix - 6) + "小合計"_sj + "  " + "\\6600" + "  " +
                           "小合計から4400円引き"_sj);
    EXPECT_EQ(rows[6], blanks(prefix) + "  " + blanks(5) + "  " + "差引小合計 \\2200"_sj +
                           blanks(4));
    EXPECT_EQ(rows[7], "");
}

// Categories without titles add nothing; each listed category is repriced,
// whatever its stored amounts said, and the cursors end past the last one.
TEST_F(Statement, CategoriesInOrderAndRepriced) {
    put({.category = CAT_PHOTO_BOOK, .title = "P", .work = 1});
    put({.category = CAT_DOUJIN, .title = "D1", .work = 1});
    put({.category = CAT_DOUJIN, .title = "D2", .work = 1});
    s().TITLE_TOTAL(0, CAT_PHOTO_BOOK) = 99999;
    s().CAT_SUBTOTAL(CAT_PHOTO_BOOK) = 12345;
    const std::string text = work_statement_text();
    std::vector<std::string> rows = lines(text);
    ASSERT_EQ(rows.size(), 7u + 6u);
    EXPECT_EQ(rows[0], "同人誌の申込明細"_sj);
    EXPECT_EQ(rows[7], "写真・資料集等の申込明細"_sj);
    EXPECT_EQ(rows[6], "");
    EXPECT_EQ(text.find("コミック"_sj), std::string::npos);
    EXPECT_EQ(s().TITLE_TOTAL(0, CAT_PHOTO_BOOK), 200);
    EXPECT_EQ(s().CAT_SUBTOTAL(CAT_PHOTO_BOOK), 200);
    EXPECT_EQ(s().CATEGORY, 5);
    EXPECT_EQ(s().CURTITLE, 1);
}

TEST_F(Statement, HeadingsOfEveryCategory) {
    put({.category = CAT_SADDLE_MAGAZINE, .title = "S"});
    put({.category = CAT_PERFECT_MAGAZINE, .title = "P"});
    std::vector<std::string> rows = lines(work_statement_text());
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], "中綴じ雑誌の申込明細"_sj);
    EXPECT_EQ(rows[6], "無線綴じ雑誌の申込明細"_sj);
}

}  // namespace
}  // namespace scanfee::files
