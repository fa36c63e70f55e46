#include <gtest/gtest.h>

#include "runtime/file_filter.h"
#include "runtime/sjis.h"

namespace scanfee::rt {
namespace {

std::vector<std::string> sjis(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* s : utf8) out.push_back(to_sjis(s));
    return out;
}

TEST(FilterText, CaptionsAndPatterns) {
    const struct {
        const char* text;
        std::vector<std::string> captions;
        std::vector<std::vector<std::string>> patterns;
    } cases[] = {
        {"テキスト形式(*.TXT)", sjis({"テキスト形式(*.TXT)"}), {{"*.TXT"}}},
        {"ﾃｷｽﾄ形式(*.TXT,*.CSV)", sjis({"ﾃｷｽﾄ形式(*.TXT,*.CSV)"}), {{"*.TXT", "*.CSV"}}},
        {"(*.SAV)", sjis({"(*.SAV)"}), {{"*.SAV"}}},
        {"A( *.a ,\t*.b, );B(*.c)", sjis({"A( *.a ,\t*.b, )", "B(*.c)"}), {{"*.a", "*.b"}, {"*.c"}}},
        {"", sjis({"すべてのﾌｧｲﾙ(*.*)"}), {{"*.*"}}},
        {";", sjis({"すべてのﾌｧｲﾙ(*.*)"}), {{"*.*"}}},
        {"名前だけ", sjis({"名前だけ"}), {{}}},
        {"ソ表(ソ*.TXT)", sjis({"ソ表(ソ*.TXT)"}), {sjis({"ソ*.TXT"})}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FilterList list = parse_filter_text(to_sjis(c.text));
        EXPECT_EQ(list.selected, 0u);
        ASSERT_EQ(list.filters.size(), c.captions.size());
        for (size_t i = 0; i < list.filters.size(); ++i) {
            EXPECT_EQ(list.filters[i].caption, c.captions[i]);
            EXPECT_EQ(list.filters[i].patterns, c.patterns[i]);
        }
    }
}

TEST(FilterText, PatternsMatchWithoutRegardToCase) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.SAV", "order.sav", true},   {"*.SAV", "ORDER.SAV", true},
        {"*.SAV", "order.sav.bak", false}, {"*.SAV", "orderSAV", false},
        {"*.TXT", "見積書.txt", true},  {"*.*", "README", true},
        {"*.*", "a.b", true},           {"abc.*", "abc", true},
        {"a?c", "abc", true},           {"a?c", "a見c", true},
        {"a?c", "ac", false},           {"*", "", true},
        {"ＡＢ*", "ａｂｃ", true},       {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
        {"x*", "x\xFF\xFE", true},      {"*.CSV", "list.csv", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " " + c.name);
        EXPECT_EQ(matches_filter_pattern(to_sjis(c.pattern), c.name), c.matches);
    }
}

TEST(FilterText, AFilterMatchesAnyOfItsPatterns) {
    FilterList list = parse_filter_text(to_sjis("ﾃｷｽﾄ形式(*.TXT,*.CSV)"));
    EXPECT_TRUE(matches_filter(list.filters[0], "titles.csv"));
    EXPECT_TRUE(matches_filter(list.filters[0], "titles.Txt"));
    EXPECT_FALSE(matches_filter(list.filters[0], "titles.SAV"));
    EXPECT_TRUE(matches_filter(FileFilter{"x", {}}, "anything"));
}

TEST(FilterText, AnOpenDialogAddsEveryFileUnlessAFilterShowsItAlready) {
    const struct {
        const char* filter;
        std::size_t count;
    } cases[] = {
        {"(*.SAV)", 2},
        {"ﾃｷｽﾄ形式(*.TXT,*.CSV)", 2},
        {"ﾃｷｽﾄ形式(*.TXT);すべてのﾌｧｲﾙ(*.*)", 2},
        {"", 1},  // every file already
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        const FilterList list = open_dialog_filters(parse_filter_text(to_sjis(c.filter)));
        ASSERT_EQ(list.filters.size(), c.count);
        if (c.count == 2 && list.filters.back().patterns.empty()) {
            EXPECT_EQ(list.filters.back().caption, every_file_caption());
        }
    }
}

TEST(FilterText, DefaultPathSplitsAtTheLastSlash) {
    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } cases[] = {
        {"/home/shop/*.SAV", "/home/shop/", "*.SAV"},
        {"/home/shop/", "/home/shop/", ""},
        {"見積書.TXT", "", "見積書.TXT"},
        {"docs/明細書.TXT", "docs/", "明細書.TXT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        DefaultPath split = split_default_path(c.path);
        EXPECT_EQ(split.folder, c.folder);
        EXPECT_EQ(split.file_name, c.name);
    }
}

}  // namespace
}  // namespace scanfee::rt
