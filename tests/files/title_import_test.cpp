#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "files/file_steps.h"
#include "files/order_file.h"
#include "files/order_file_format.h"
#include "files/text_utils.h"
#include "files/title_import.h"
#include "screens/title_limit.h"
#include "support/program_fixture.h"
#include "support/temp_dir.h"
#include "runtime/gcc12_false_positives.h"

namespace scanfee {
namespace {

namespace fs = std::filesystem;
using namespace rt::literals;

class TitleImport : public testing::ProgramTest {
protected:
    testing::TempDir scratch;
    const std::string folder = scratch.folder();

    void SetUp() override { start(); }

    std::string file(const std::string& name, const std::string& bytes) {
        testing::TempDir::write(scratch.path(name), bytes);
        return scratch.path(name);
    }
    // Opens the import screen of the open category on `path`.
    void import(const std::string& path) {
        dialogs.replies.push_back(path);
        click(c().BUTTON10);
    }
    // The comics list, then the import screen on a file of `bytes`.
    void import_comics(const std::string& bytes) {
        click(c().BUTTON5);
        import(file("books.csv", bytes));
    }
    // Moves the LIST2 rows holding these header texts into the title, one
    // click of "→" each.
    void choose(std::initializer_list<const char*> headers) {
        for (const char* header : headers) {
            const auto& items = c().LIST2->items();
            auto row = std::find(items.begin(), items.end(), rt::to_sjis(header));
            ASSERT_NE(row, items.end()) << header;
            select(c().LIST2, int(row - items.begin()));
            click(c().BUTTON17);
        }
    }
    static std::vector<std::string> titles(int category) {
        std::vector<std::string> out;
        for (int i = 0; i < s().TITLECOUNT(category); ++i) out.push_back(s().TITLE(i, category));
        return out;
    }
    static std::vector<std::string> sj(std::initializer_list<const char*> texts) {
        std::vector<std::string> out;
        for (const char* t : texts) out.push_back(rt::to_sjis(t));
        return out;
    }
    // "T" + text: GCC 12's false -Wrestrict (runtime/gcc12_false_positives.h).
    SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")
    void put_titles(int category, int n) {
        for (int i = 0; i < n; ++i) s().TITLE(i, category) = "T" + std::to_string(i);
    }
    SCANFEE_GCC12_FALSE_POSITIVE_END
};

TEST_F(TitleImport, OpensTheImportScreenOnTheFieldsOfTheFirstLine) {
    import_comics("番号,書名,巻\r\n1,ＡＢＣ,3\r\n"_sj);
    ASSERT_EQ(dialogs.seen.size(), 1u);
    EXPECT_EQ(dialogs.seen[0].kind, "open");
    EXPECT_EQ(dialogs.seen[0].caption, "データファイルの読み込み"_sj);
    EXPECT_EQ(dialogs.seen[0].filter, "ﾃｷｽﾄ形式(*.TXT,*.CSV)"_sj);
    EXPECT_EQ(s().LASTDIR, folder);
    EXPECT_TRUE(c().FORM4->visible());
    EXPECT_FALSE(c().FORM2->visible());
    EXPECT_EQ(c().FORM4->text(), "ユーザーデータの読み込み（コミックのタイトル作成）"_sj);
    EXPECT_EQ(c().LIST2->items(), sj({"番号", "書名", "巻"}));
    EXPECT_TRUE(c().LIST3->items().empty());
    EXPECT_EQ(c().CHECK5->checked(), 1);
    EXPECT_EQ(s().PENDING_ACTION, 0);
}

TEST_F(TitleImport, CaptionNamesThePhotoBooks) {
    click(c().BUTTON9);
    import(file("a.txt", "x\r\n"));
    EXPECT_EQ(c().FORM4->text(), "ユーザーデータの読み込み（写真集・資料集等のタイトル作成）"_sj);
}

TEST_F(TitleImport, CancelledDialogOrFullCategoryLeavesTheList) {
    click(c().BUTTON5);
    click(c().BUTTON10);  // no reply queued: the dialog is cancelled
    EXPECT_TRUE(c().FORM2->visible());
    EXPECT_FALSE(c().FORM4->visible());

    put_titles(4, 5);
    click(c().BUTTON11);
    click(c().BUTTON9);
    dialogs.seen.clear();
    click(c().BUTTON10);
    EXPECT_TRUE(dialogs.seen.empty());
    EXPECT_TRUE(c().FORM2->visible());
}

TEST_F(TitleImport, ChosenFieldsMakeTheTitleInFullWidth) {
    import_comics("番号,書名,巻\r\n1,ＡＢＣ,3\r\n2,,5\r\n\r\n4,ﾃｽﾄ,\r\n"_sj);
    choose({"書名", "巻"});
    EXPECT_EQ(c().LIST2->items(), sj({"番号"}));
    EXPECT_EQ(c().LIST3->items(), sj({"書名", "巻"}));
    click(c().BUTTON19);
    EXPECT_EQ(titles(0), sj({"ＡＢＣ［３］", "？［５］", "？", "テスト"}));
    EXPECT_TRUE(c().FORM2->visible());
    EXPECT_FALSE(c().FORM4->visible());
    EXPECT_TRUE(c().LIST2->items().empty());
    EXPECT_TRUE(c().LIST3->items().empty());
    ASSERT_EQ(c().LIST1->item_count(), 5);
    EXPECT_EQ(c().LIST1->items()[0], "1  \\0      ＡＢＣ［３］"_sj);
    EXPECT_EQ(s().DPI(0, 0), 156);
    EXPECT_EQ(s().WORK(0, 0), 0);  // only the name is imported
    EXPECT_EQ(s().CURTITLE, 3);
}

TEST_F(TitleImport, ImportedTitlesFollowTheTitlesInTheList) {
    put_titles(0, 2);
    import_comics("書名\r\nＡ\r\nＢ\r\n"_sj);
    choose({"書名"});
    click(c().BUTTON19);
    EXPECT_EQ(titles(0), sj({"T0", "T1", "Ａ", "Ｂ"}));
}

TEST_F(TitleImport, TransferWithoutAChosenPartImportsNothing) {
    import_comics("書名\r\nＡ\r\n"_sj);
    click(c().BUTTON19);
    EXPECT_EQ(s().TITLECOUNT(0), 0);
    EXPECT_EQ(c().LIST1->items(), std::vector<std::string>{"タイトルを追加"_sj});
}

TEST_F(TitleImport, LinesEndingInLineFeedAloneAreLinesWhenTheFileHoldsNoCr) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> titles;
    } cases[] = {
        {"Shift-JIS, LF", "書名\nＡ\nＢ\n"_sj, sj({"Ａ", "Ｂ"})},
        {"no LF after the last line", "書名\nＡ\nＢ"_sj, sj({"Ａ", "Ｂ"})},
        {"UTF-8, LF", "書名\nワンピース\n\nナルト\n", sj({"ワンピース", "？", "ナルト"})},
        {"UTF-8 with its mark, LF", "\xEF\xBB\xBF書名\nＡ\n", sj({"Ａ"})},
        {"an ending Ctrl-Z", "書名\nＡ\n\x1A"_sj, sj({"Ａ"})},
        // One CR anywhere: the lines end at CR, and every LF is text.
        {"a CR at the end", "書名\nＡ\nＢ\r\n"_sj, {}},
    };
    for (const auto& c_ : cases) {
        SCOPED_TRACE(c_.name);
        start();
        import_comics(c_.bytes);
        ASSERT_EQ(c().LIST2->item_count(), 1);
        select(c().LIST2, 0);
        click(c().BUTTON17);
        click(c().BUTTON19);
        EXPECT_EQ(titles(0), c_.titles);
    }
    start();
    import_comics("書名\nＡ\r\n"_sj);
    EXPECT_EQ(c().LIST2->items(), std::vector<std::string>{"書名\nＡ"_sj});
}

TEST_F(TitleImport, WithoutFieldNamesTheFirstLineIsATitleToo) {
    import_comics("Ａ\r\nＢ\r\n"_sj);
    choose({"Ａ"});
    click(c().CHECK5);
    click(c().BUTTON19);
    EXPECT_EQ(titles(0), sj({"Ａ", "Ｂ"}));
}

TEST_F(TitleImport, FreeSlotsLimitTheLinesRead) {
    const struct {
        const char* name;
        int lines;       // in the file, header included
        bool field_names;
        bool notice;
        std::vector<std::string> imported;
    } cases[] = {
        {"ten lines", 10, true, true, {"L1", "L2", "L3"}},
        {"exactly room + 1 lines", 4, true, true, {"L1", "L2", "L3"}},
        {"fewer lines than room", 3, true, false, {"L1", "L2"}},
        {"ten lines, no field names", 10, false, true, {"L0", "L1", "L2"}},
    };
    for (const auto& c_ : cases) {
        SCOPED_TRACE(c_.name);
        start();
        put_titles(4, 2);  // photo books: 3 of 5 slots free
        std::string bytes;
        SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")  // "L" + text, as above
        for (int i = 0; i < c_.lines; ++i) bytes += "L" + std::to_string(i) + "\r\n";
        SCANFEE_GCC12_FALSE_POSITIVE_END
        click(c().BUTTON9);
        import(file("lines.txt", bytes));
        const bool noticed = !dialogs.seen.empty() && dialogs.seen.back().kind == "msgbox";
        EXPECT_EQ(noticed, c_.notice);
        if (noticed) {
            EXPECT_EQ(dialogs.seen.back().caption, screens::title_limit_caption());
            EXPECT_EQ(dialogs.seen.back().text, "写真集等は５冊までです。"_sj);
            EXPECT_EQ(dialogs.seen.back().icon, ui::Icon::Information);
        }
        select(c().LIST2, 0);
        click(c().BUTTON17);
        if (!c_.field_names) click(c().CHECK5);
        click(c().BUTTON19);
        std::vector<std::string> expected = {"T0", "T1"};
        for (const std::string& t : c_.imported) expected.push_back(files::full_width(t));
        EXPECT_EQ(titles(4), expected);
    }
}

TEST_F(TitleImport, LimitTextsNameEachCategory) {
    const char* const texts[] = {"コミックは２０冊までです。", "同人誌は６０冊までです。",
                                 "中綴じ雑誌は６冊までです。", "無線綴じ雑誌は６冊までです。",
                                 "写真集等は５冊までです。"};
    for (int16 cat = 0; cat < CATEGORY_COUNT; ++cat)
        EXPECT_EQ(screens::title_limit_text(cat), rt::to_sjis(texts[cat])) << cat;
}

TEST_F(TitleImport, PartsComeAndGoInFieldOrder) {
    import_comics("a,b,c,d\r\n"_sj);
    // More rows than the title has room for: refused.
    select(c().LIST2, 0);
    select(c().LIST2, 1);
    select(c().LIST2, 2);
    click(c().BUTTON17);
    EXPECT_TRUE(c().LIST3->items().empty());
    // Two rows at once, top to bottom.
    select(c().LIST2, 3);
    select(c().LIST2, 1);
    click(c().BUTTON17);
    EXPECT_EQ(c().LIST3->items(), sj({"b", "d"}));
    EXPECT_EQ(c().LIST2->items(), sj({"a", "c"}));
    // The title is full.
    select(c().LIST2, 0);
    click(c().BUTTON17);
    EXPECT_EQ(c().LIST3->items(), sj({"b", "d"}));
    // Removing the first part keeps the other; b returns at its place.
    select(c().LIST3, 0);
    click(c().BUTTON18);
    EXPECT_EQ(c().LIST3->items(), sj({"d"}));
    EXPECT_EQ(c().LIST2->items(), sj({"a", "b", "c"}));
    // Nothing selected in the title: nothing moves.
    click(c().BUTTON18);
    EXPECT_EQ(c().LIST3->items(), sj({"d"}));
    choose({"a"});
    EXPECT_EQ(c().LIST3->items(), sj({"d", "a"}));
}

TEST_F(TitleImport, FieldsBeyondTheFirstLineAreIgnored) {
    import_comics("a,b\r\n1,2,3\r\n"_sj);
    EXPECT_EQ(c().LIST2->items(), sj({"a", "b"}));
    choose({"b"});
    click(c().BUTTON19);
    EXPECT_EQ(titles(0), sj({"２"}));
}

TEST_F(TitleImport, SpreadsheetCsvKeepsQuotedCommasAndDoubledQuotes) {
    import_comics("\"番号\",\"書名\",\"巻\"\r\n1,\"はじめの一歩, 新装版\",12\r\n"
                  "2,\"\"\"蒼天\"\"の拳\",\r\n"_sj);
    EXPECT_EQ(c().LIST2->items(), sj({"番号", "書名", "巻"}));
    choose({"書名", "巻"});
    click(c().BUTTON19);
    EXPECT_EQ(titles(0), sj({"はじめの一歩，　新装版［１２］", "””蒼天””の拳"}));
}

TEST_F(TitleImport, Utf8FilesAreReadAsShiftJis) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> titles;
    } cases[] = {
        // A character Shift-JIS cannot hold is told only where the mark
        // says UTF-8: without it, such bytes read as Shift-JIS.
        {"with byte-order mark", "\xEF\xBB\xBF書名,巻\r\nワンピース〜,1\r\n𠮷野家,2\r\n",
         sj({"ワンピース～［１］", "？野家［２］"})},
        {"without byte-order mark", "書名,巻\r\nワンピース〜,1\r\n吉野家,2\r\n",
         sj({"ワンピース～［１］", "吉野家［２］"})},
    };
    for (const auto& c_ : cases) {
        SCOPED_TRACE(c_.name);
        start();
        import_comics(c_.bytes);
        EXPECT_EQ(c().LIST2->items(), sj({"書名", "巻"}));
        choose({"書名", "巻"});
        click(c().BUTTON19);
        EXPECT_EQ(titles(0), c_.titles);
    }
}

// What is no Shift-JIS character becomes "■" before the brackets are added,
// so a lead byte at the end of a field never takes a bracket; Shift-JIS
// that happens to be valid UTF-8 of characters it cannot hold stays
// Shift-JIS; UTF-16 is refused.
TEST_F(TitleImport, EveryTitleIsShiftJisAndUtf16IsRefused) {
    const std::string utf16_refusal = "UTF-16 のファイルです。Shift-JIS か UTF-8 で保存したファイルを選んでください。"_sj;
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> titles;  // none: refused as UTF-16
    } cases[] = {
        {"lead bytes at the ends of fields", "書名,巻\r\n"_sj + "ABC\x82,1\x82\r\n\x85\x40,\xFD\r\n",
         sj({"ＡＢＣ■［１■］", "■［■］"})},
        {"莢ア, valid UTF-8 of U+4C03", "n,t\r\n1,\xE4\xB0\x83\x41\r\n", sj({"莢ア"})},
        {"UTF-16LE with its mark", std::string("\xFF\xFEt\0,\0b\0\r\0\n\0A\0,\0B\0\r\0\n\0", 22), {}},
        {"UTF-16BE with its mark", std::string("\xFE\xFF\0t\0,\0b\0\r\0\n\0A\0,\0B\0\r\0\n", 22), {}},
        {"UTF-16LE without a mark", std::string("t\0,\0b\0\r\0\n\0\x2C\x66\x0D\x54\r\0\n\0", 18), {}},
    };
    for (const auto& c_ : cases) {
        SCOPED_TRACE(c_.name);
        start();
        import_comics(c_.bytes);
        if (c_.titles.empty()) {
            ASSERT_EQ(dialogs.seen.size(), 2u);
            EXPECT_EQ(dialogs.seen[1].text, files::bad_content_text(scratch.path("books.csv"), utf16_refusal));
            EXPECT_TRUE(c().FORM2->visible());
            continue;
        }
        if (c().LIST2->item_count() == 2 && c().LIST2->items()[0] == "n") choose({"t"});
        else choose({"書名", "巻"});
        click(c().BUTTON19);
        EXPECT_EQ(titles(0), c_.titles);
    }
}

// Half-width katakana in Shift-JIS pair up as two-byte UTF-8 sequences;
// only a sequence of three or four bytes (every kana and kanji) tells UTF-8.
TEST_F(TitleImport, HalfWidthKatakanaAloneIsShiftJis) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> titles;
    } cases[] = {
        {"ﾄｰﾏｽ", "title\r\n\xC4\xB0\xCF\xBD\r\n", sj({"トーマス"})},
        {"ﾄｰﾏｽ, LF", "title\n\xC4\xB0\xCF\xBD\n", sj({"トーマス"})},
        {"UTF-8 beside it", "title\r\n\xC2\xA7\r\nあ\r\n", sj({"§", "あ"})},
    };
    for (const auto& c_ : cases) {
        SCOPED_TRACE(c_.name);
        start();
        import_comics(c_.bytes);
        choose({"title"});
        click(c().BUTTON19);
        EXPECT_EQ(titles(0), c_.titles);
    }
}

TEST_F(TitleImport, AFileTooLargeIsRefusedUnreadWithTheLimit) {
    click(c().BUTTON5);
    const std::string path = scratch.path("huge.csv");
    testing::TempDir::write(path, "t\r\nA\r\n");
    fs::resize_file(path, files::IMPORT_FILE_MAX_BYTES + 1);  // sparse: no disk taken
    dialogs.seen.clear();
    import(path);
    ASSERT_EQ(dialogs.seen.size(), 2u);
    EXPECT_EQ(dialogs.seen[1].text,
              files::bad_content_text(path, "ファイルが大きすぎます（６７,１０８,８６４バイトまで）。"_sj));
    EXPECT_TRUE(c().FORM2->visible());
    EXPECT_EQ(s().TITLECOUNT(0), 0);
}

TEST_F(TitleImport, ALineTooLongIsNamedByItsNumber) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"Shift-JIS", "t\r\nA\r\n" + std::string(32768, 'x') + "\r\n"},
        // 16384 kanji and a letter: 49153 bytes of UTF-8, 32769 once in
        // Shift-JIS.
        {"UTF-8", "t\nA\n" + [] {
             std::string line;
             for (int i = 0; i < 16384; ++i) line += "本";
             return line + "x";
         }() + "\n"},
    };
    for (const auto& c_ : cases) {
        SCOPED_TRACE(c_.name);
        start();
        import_comics(c_.bytes);
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(dialogs.seen[1].text,
                  files::bad_content_text(scratch.path("books.csv"),
                                          "3行目が長すぎます（３２,７６７バイトまで）。"_sj));
        EXPECT_TRUE(c().FORM2->visible());
    }
}

// Control bytes become black squares, a lead byte before one too: a title
// that the import makes always saves into an order file that loads.
TEST_F(TitleImport, ImportedTitlesHoldNoControlBytes) {
    import_comics("t\r\n\x82\nA\tB\x1B\x7F\r\n");
    choose({"t"});
    click(c().BUTTON19);
    EXPECT_EQ(titles(0), sj({"■■Ａ■Ｂ■　"}));
    click(c().BUTTON11);
    EXPECT_TRUE(files::parse_order_file(files::order_file_bytes()).content);
}

TEST_F(TitleImport, TitlesAreBoundedInWholeCharacters) {
    import_comics("t\r\n" + std::string(300, 'x') + "\r\n");
    choose({"t"});
    click(c().BUTTON19);
    EXPECT_EQ(titles(0), std::vector<std::string>{files::full_width(std::string(128, 'x'))});
}

TEST_F(TitleImport, FilesThatCannotBeReadLeaveTheListAsItWas) {
    const struct {
        const char* name;
        std::string path;   // relative to the test folder
        std::string bytes;  // written there unless empty
        bool bad_content;
    } cases[] = {
        {"removed after the dialog", "gone.csv", "", false},
        {"a folder", "folder.csv", "", false},
        {"a line over 32767 bytes", "long.csv", "t\r\n" + std::string(32768, 'x') + "\r\n", false},
        {"an empty file", "empty.csv", "", true},
        {"only an end-of-file mark", "eof.csv", "\x1A", true},
    };
    for (const auto& c_ : cases) {
        SCOPED_TRACE(c_.name);
        start();
        put_titles(0, 2);
        // A successful import leaves its lists behind for the next one.
        click(c().BUTTON5);
        import(file("before.csv", "a,b\r\n"));
        click(c().BUTTON16);

        const std::string path = folder + c_.path;
        if (c_.name == std::string("a folder")) fs::create_directory(path);
        else if (!c_.bytes.empty() || c_.bad_content) file(c_.path, c_.bytes);
        dialogs.seen.clear();
        import(path);
        ASSERT_EQ(dialogs.seen.size(), 2u);
        const testing::SeenDialog& box = dialogs.seen[1];
        EXPECT_EQ(box.caption, files::file_error_caption());
        EXPECT_EQ(box.icon, ui::Icon::Stop);
        EXPECT_NE(box.text.find(rt::to_sjis(path)), std::string::npos);
        if (c_.bad_content) {
            EXPECT_EQ(box.text, files::bad_content_text(path, "データが１行もありません。"_sj));
        }
        EXPECT_TRUE(c().FORM2->visible());
        EXPECT_FALSE(c().FORM4->visible());
        EXPECT_TRUE(c().LIST2->items().empty());
        EXPECT_TRUE(c().LIST3->items().empty());
        EXPECT_EQ(titles(0), sj({"T0", "T1"}));
        EXPECT_EQ(s().PENDING_ACTION, 0);
    }
}

TEST_F(TitleImport, CancelReturnsToTheSameListUnchanged) {
    put_titles(0, 1);
    import_comics("書名\r\nＡ\r\n"_sj);
    choose({"書名"});
    click(c().BUTTON16);
    EXPECT_TRUE(c().FORM2->visible());
    EXPECT_FALSE(c().FORM4->visible());
    EXPECT_EQ(titles(0), sj({"T0"}));
    EXPECT_EQ(c().LIST1->item_count(), 2);
}

}  // namespace
}  // namespace scanfee
