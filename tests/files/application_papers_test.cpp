#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "files/application_papers.h"
#include "files/paper_parts.h"
#include "papers_fixture.h"
#include "runtime/sjis.h"
#include "runtime/gcc12_false_positives.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;
using testing::blanks;
using testing::Book;
using testing::crlf_lines;

class Papers : public testing::PapersTest {
protected:
    void SetUp() override { start(EDITION_SHOP); }
};

const std::string FW = "　"_sj;

// The lines every order's request sheet starts with.
std::string request_sheet_head() {
    return crlf_lines({"　　　　　　　　　　依　頼　事　項　書"_sj, "",
                       "今般、請負契約書に基きホシナギ書籍工房に対して私が依頼"_sj,
                       "する内容は下記の通りです。"_sj, "",
                       "　　　　　　　　　　　　　　年　　月　　日"_sj, "", "",
                       "依頼者　住所"_sj, "",
                       "　　　　氏名　　　　　　　　　　　　　　　　　　印"_sj, "", ""});
}

TEST_F(Papers, RequestSheetOfTheWorkedExample) {
    put({.title = "ABC", .nomoire = 1});
    EXPECT_EQ(request_sheet_bytes(),
              request_sheet_head() +
                  crlf_lines({blanks(3) + "作業内容と詳細ｺｰﾄﾞ"_sj + blanks(4) + FW + blanks(2) +
                                  "種別"_sj + blanks(2) + FW + "タイトル"_sj,
                              "解体・データ化 (0100,156)"_sj + FW + "コミック"_sj + FW + "ABC"}));
}

// The columns run across the categories: every cell takes the width of the
// widest of the whole order, and the headers are centred over them.
TEST_F(Papers, RequestSheetTableAcrossCategories) {
    const struct {
        const char* name;
        std::vector<Book> books;
        std::vector<std::string> table;
    } cases[] = {
        {"dismantling only everywhere",
         {{.title = "A", .work = 1}, {.title = "B", .work = 1}},
         {blanks(0) + "作業内容と詳細ｺｰﾄﾞ"_sj + blanks(1) + FW + blanks(2) + "種別"_sj +
              blanks(2) + FW + "タイトル"_sj,
          "解体のみ (詳細無し)"_sj + FW + "コミック"_sj + FW + "A",
          "解体のみ (詳細無し)"_sj + FW + "コミック"_sj + FW + "B"}},
        {"a later category follows without a gap",
         {{.category = CAT_PHOTO_BOOK, .title = "P", .work = 1},
          {.title = "C", .edit = 1, .single_page = 1, .trim = 1, .dpi = 300},
          {.category = CAT_SADDLE_MAGAZINE, .title = "M", .work = 3, .dpi = 120}},
         {blanks(6) + "作業内容と詳細ｺｰﾄﾞ"_sj + blanks(7) + FW + blanks(5) + "種別"_sj +
              blanks(5) + FW + "タイトル"_sj,
          blanks(6) + "解体・データ化 (1011,300)"_sj + FW + blanks(6) + "コミック"_sj + FW + "C",
          "解体・データ化再製本 (0000,120)"_sj + FW + blanks(10) + "雑誌"_sj + FW + "M",
          blanks(12) + "解体のみ (詳細無し)"_sj + FW + "写真・資料集等"_sj + FW + "P"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(EDITION_SHOP);
        for (const Book& b : c.books) put(b);
        std::string table;
        for (const std::string& line : c.table) table += line + "\r\n";
        EXPECT_EQ(request_sheet_bytes(), request_sheet_head() + table);
    }
}

TEST_F(Papers, PowerOfAttorneyListsTheScannedTitles) {
    put({.title = "Comic", .work = 2});
    put({.title = "Cut only", .work = 1});
    put({.category = CAT_DOUJIN, .title = "Doujin", .work = 3});
    EXPECT_EQ(power_of_attorney_bytes(),
              crlf_lines({"　　　　　　　　　　　委　任　状"_sj, "",
                          "私は、下記の者を代理人と定め、下記の書籍を解体した物について、"_sj,
                          "著作権法第３０条（私的使用のための複製）に基づく全ての権限を"_sj,
                          "委譲し、複製による電子データ化作業を委任します。"_sj, "",
                          "　　　　　　　　　　　　　　年　　月　　日"_sj, "", "",
                          "委任者　住所"_sj, "",
                          "　　　　氏名　　　　　　　　　　　　　　　　　　印"_sj, "", "",
                          "代理人の表示　架空市見本町１番１１号"_sj,
                          "　　　　　　　ホシナギ書籍工房"_sj,
                          "　　　　　　　店主　架　空　太　郎"_sj, "", "書籍の表示"_sj,
                          blanks(2) + "種別"_sj + blanks(2) + FW + "タイトル"_sj,
                          "コミック"_sj + FW + "Comic", blanks(2) + "同人誌"_sj + FW + "Doujin"}));
}

TEST_F(Papers, GiftDeedListsTheGiftTitles) {
    put({.title = "Kept"});
    put({.category = CAT_PHOTO_BOOK, .title = "Given", .gift = 1});
    EXPECT_EQ(gift_deed_bytes(),
              crlf_lines({"　　　　　　　　　贈　与　証　書"_sj, "", "贈与者　住所"_sj, "",
                          "　　　　氏名　　　　　　　　　　　　　　　　　　印"_sj, "", "",
                          "受贈者　架空市見本町１番１１号"_sj, "　　　　　ホシナギ書籍工房"_sj,
                          "　　　　店主　架　空　太　郎"_sj, "", "",
                          "下記の書籍は、贈与者の物ですが、贈与者は下記の条件でこれを受贈者に"_sj,
                          "贈与する事を約し、受贈者は条件成就の際にこれを譲り受ける事を受諾した。"_sj,
                          "上記契約を証するため、この証書２通を作成し、各自その１通を保存する。"_sj,
                          "", "　　　　　　　　　　　　　　年　　月　　日"_sj, "", "",
                          "条　件"_sj, "下記の書籍のデータ化並びに媒体への保存を完了し、"_sj,
                          "受贈者が贈与者に対して、その旨を報告した時。"_sj, "", "",
                          "書籍の表示"_sj,
                          blanks(5) + "種別"_sj + blanks(5) + FW + "タイトル"_sj,
                          "写真・資料集等"_sj + FW + "Given"}));
}

// The case table's designated initialisers: GCC 12's false
// -Wmaybe-uninitialized when it is destroyed (runtime/gcc12_false_positives.h).
SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wmaybe-uninitialized")
TEST_F(Papers, ManagementDataLines) {
    const std::string header =
        "申込No,種別,識別,作業内容,作品別編集,モアレ除去無し,単ページ,トリミング,取込解像度,タイトル"_sj;
    const struct {
        const char* name;
        Book book;
        std::string line;  // after the application number
    } cases[] = {
        {"worked example", {.title = "ABC", .trim = 1},
         ",コミック,通常版,解体・データ化,,,,YES,156,ABC"_sj},
        {"convenience-store comic, every option",
         {.title = "X", .edit = 1, .nomoire = 1, .single_page = 1, .trim = 1, .dpi = 600, .edtype = 2},
         ",コミック,コンビニ版,解体・データ化,YES,YES,YES,YES,600,X"_sj},
        {"saddle-stitched doujinshi, dismantling only keeps its resolution",
         {.category = CAT_DOUJIN, .title = "D", .work = 1, .dpi = 120},
         ",同人誌,中綴じ版,解体のみ,,,,,120,D"_sj},
        {"perfect-bound doujinshi", {.category = CAT_DOUJIN, .title = "D", .work = 3, .edtype = 2},
         ",同人誌,無線綴じ版,解体・データ化再製本,,,,,156,D"_sj},
        {"saddle-stitched magazine", {.category = CAT_SADDLE_MAGAZINE, .title = "M"},
         ",雑誌,中綴じ,解体・データ化,,,,,156,M"_sj},
        {"perfect-bound magazine", {.category = CAT_PERFECT_MAGAZINE, .title = "M"},
         ",雑誌,無線綴じ,解体・データ化,,,,,156,M"_sj},
        {"photo book has no kind", {.category = CAT_PHOTO_BOOK, .title = "P"},
         ",資料集等,,解体・データ化,,,,,156,P"_sj},
        {"a comma keeps the title one field", {.title = "A,B"},
         ",コミック,通常版,解体・データ化,,,,,156,\"A,B\""_sj},
        {"inner quotes are doubled", {.title = "say \"hi\""},
         ",コミック,通常版,解体・データ化,,,,,156,\"say \"\"hi\"\"\""_sj},
        {"a lone quote is quoted too", {.title = "\"Q"},
         ",コミック,通常版,解体・データ化,,,,,156,\"\"\"Q\""_sj},
        {"Japanese title stays as it is", {.title = "表示・ソフト"_sj},
         ",コミック,通常版,解体・データ化,,,,,156,表示・ソフト"_sj},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start(EDITION_SHOP);
        s().APPNO = "1604290001";
        put(c.book);
        EXPECT_EQ(management_data_bytes(), crlf_lines({header, "1604290001" + c.line}));
    }
}
SCANFEE_GCC12_FALSE_POSITIVE_END

// The application number is the same on every line, in category order; the
// cursor is left at the count of the last category with titles.
TEST_F(Papers, ManagementDataRunsOverTheCategories) {
    s().APPNO = "A,1";
    put({.category = CAT_PHOTO_BOOK, .title = "P"});
    put({.title = "C1"});
    put({.title = "C2"});
    const std::string bytes = management_data_bytes();
    const std::string head = "\"A,1\","_sj;
    EXPECT_NE(bytes.find("\r\n" + head + "コミック,通常版,解体・データ化,,,,,156,C1\r\n"_sj +
                         head + "コミック,通常版,解体・データ化,,,,,156,C2\r\n"_sj + head +
                         "資料集等,,解体・データ化,,,,,156,P\r\n"_sj),
              std::string::npos)
        << bytes;
    EXPECT_EQ(s().CURTITLE, 1);
}

// An order file can bring 121 titles in every category, more than
// ALIGN_LINES holds: the letters still line up all their rows. With every
// title as long as a slot holds, every paper stays within what the printer
// takes.
// "T" + text: GCC 12's false -Wrestrict (runtime/gcc12_false_positives.h),
// reported at the end of the test.
SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
TEST_F(Papers, PapersOfTheLargestOrder) {
    for (int category = 0; category < CATEGORY_COUNT; ++category)
        for (int t = 0; t < SLOT_COUNT; ++t)
            put({.category = category, .title = ("T" + std::to_string(t)).append(TITLE_MAX_BYTES - 4, 'x'),
                 .work = int16(1 + t % 3), .gift = int16(t % 3 == 1)});
    const struct {
        const char* name;
        std::string bytes;
        size_t head_lines, rows;
    } cases[] = {
        {"request sheet", request_sheet_bytes(), 13, 605},
        {"power of attorney", power_of_attorney_bytes(), 19, 5 * 80},
        {"gift deed", gift_deed_bytes(), 25, 5 * 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines;
        std::istringstream in(c.bytes);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        ASSERT_EQ(lines.size(), c.head_lines + 1 + c.rows);
        // Every row has its title after the last full-width space, at the
        // same column as the header's タイトル.
        const size_t at = lines[c.head_lines].rfind(FW) + FW.size();
        for (size_t i = c.head_lines; i < lines.size(); ++i)
            ASSERT_EQ(lines[i].rfind(FW) + FW.size(), at) << i;
    }
    std::string data = management_data_bytes();
    EXPECT_EQ(std::count(data.begin(), data.end(), '\n'), 606);
    for (const std::string& paper : {cases[0].bytes, cases[1].bytes, cases[2].bytes, data,
                                     work_statement_text()}) {
        EXPECT_LE(paper.size(), PRINTABLE_PAPER_BYTES);
        EXPECT_LE(std::count(paper.begin(), paper.end(), '\n'), PRINTABLE_PAPER_LINES);
        EXPECT_TRUE(rt::is_valid_cp932(paper));
    }
}
SCANFEE_GCC12_FALSE_POSITIVE_END

// A column longer than ALIGN_LINES holds comes out as one call would align
// it: every cell takes the width of the widest, wherever that one stands.
TEST_F(Papers, AlignColumnBeyondTheSharedLines) {
    for (size_t count : {size_t(3), size_t(250), size_t(251), size_t(605)}) {
        SCOPED_TRACE(count);
        std::vector<std::string> cells(count, "ab");
        cells[count - 1] = "wide cell";
        for (rt::int16 mode : {rt::int16(0), rt::int16(1), rt::int16(2)}) {
            std::vector<std::string> aligned = cells;
            EXPECT_EQ(align_column(mode, aligned), blanks(9));
            const std::string ab = mode == 0 ? "ab       " : mode == 1 ? "   ab    " : "       ab";
            EXPECT_EQ(aligned.front(), ab);
            EXPECT_EQ(aligned[count / 2], ab);
            EXPECT_EQ(aligned.back(), "wide cell");
        }
    }
    std::vector<std::string> empty_cells(2);
    EXPECT_EQ(align_column(2, empty_cells), "");
    EXPECT_EQ(empty_cells, std::vector<std::string>(2));
}

}  // namespace
}  // namespace scanfee::files
