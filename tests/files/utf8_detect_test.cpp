#include <gtest/gtest.h>

#include "files/utf8_detect.h"
#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

using rt::to_sjis;

TEST(Utf8Detect, TellsUtf8FromShiftJis) {
    const struct {
        const char* name;
        std::string bytes;
        bool utf8;
    } cases[] = {
        {"byte-order mark alone", "\xEF\xBB\xBF", true},
        {"byte-order mark before invalid bytes", "\xEF\xBB\xBF\x82\xA0", true},
        {"Japanese in UTF-8", "書名,巻\r\nワンピース,1\r\n", true},
        {"four-byte character", "\xF0\xA0\xAE\xB7", true},
        {"ASCII only", "title,no\r\nabc,1\r\n", false},
        {"empty file", "", false},
        {"Shift-JIS kanji", to_sjis("書名,巻\r\n"), false},
        {"Shift-JIS valid UTF-8 but for one sequence", "\xC3\xBD\xC4", false},
        {"overlong form", "\xC0\x80", false},
        {"overlong three-byte form", "\xE0\x80\x80", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"sequence cut at the end", "abc\xE3\x81", false},
        {"continuation byte alone", "a\x80", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(is_utf8_text(c.bytes), c.utf8);
    }
}

TEST(Utf8Detect, ImportTextConvertsOnlyUtf8) {
    const struct {
        const char* name;
        std::string in, out;
    } cases[] = {
        {"mark dropped", "\xEF\xBB\xBF" "abc", "abc"},
        {"kanji", "本,巻", to_sjis("本,巻")},
        {"wave dash of other systems", "〜", "\x81\x60"},
        {"half-width katakana", "ﾃｽﾄ", "\xC3\xBD\xC4"},
        {"no Shift-JIS form", "a𠮷é", to_sjis("a？？")},
        {"malformed after the mark", "\xEF\xBB\xBF" "a\x80", to_sjis("a？")},
        {"Shift-JIS unchanged", to_sjis("書名"), to_sjis("書名")},
        {"ASCII unchanged", "a,b\r\n", "a,b\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(import_text(c.in), c.out);
    }
}

}  // namespace
}  // namespace scanfee::files
