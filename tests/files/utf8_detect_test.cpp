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
        {"four-byte character Shift-JIS lacks", "\xF0\xA0\xAE\xB7", false},
        {"Shift-JIS 1,莢ア that is valid UTF-8 of U+4C03", "1,\xE4\xB0\x83\x41", false},
        {"ASCII only", "title,no\r\nabc,1\r\n", false},
        {"empty file", "", false},
        {"Shift-JIS kanji", to_sjis("書名,巻\r\n"), false},
        {"Shift-JIS valid UTF-8 but for one sequence", "\xC3\xBD\xC4", false},
        {"Shift-JIS half-width katakana, valid UTF-8", "title\r\n\xC4\xB0\xCF\xBD\r\n", false},
        {"two-byte sequences alone", "caf\xC3\xA9", false},
        {"two-byte and three-byte sequences", "\xC2\xA7 \xE3\x81\x82", true},
        {"a character Shift-JIS lacks beside them", "caf\xC3\xA9 \xE3\x81\x82", false},
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
        // Handed a byte at a time, as a file in pieces may split anything.
        Utf8Detector bytewise;
        for (char b : c.bytes) bytewise.feed(std::string_view(&b, 1));
        EXPECT_EQ(bytewise.is_utf8(), c.utf8);
    }
}

TEST(Utf8Detect, SettlesOnlyWhenNothingCanChangeTheAnswer) {
    Utf8Detector detector;
    detector.feed("abc \xE3\x81");
    EXPECT_FALSE(detector.settled());
    EXPECT_FALSE(detector.is_utf8());  // a sequence cut at the end
    detector.feed("\x82");
    EXPECT_TRUE(detector.is_utf8());
    EXPECT_FALSE(detector.settled());  // an invalid byte may still follow
    detector.feed("\x82\xA0");
    EXPECT_TRUE(detector.settled());
    EXPECT_FALSE(detector.is_utf8());

    Utf8Detector marked;
    marked.feed("\xEF\xBB");
    EXPECT_FALSE(marked.has_mark());
    marked.feed("\xBF\x82\xA0");
    EXPECT_TRUE(marked.has_mark());
    EXPECT_TRUE(marked.settled());
    EXPECT_TRUE(marked.is_utf8());
}

TEST(Utf8Detect, ImportTextConvertsOnlyUtf8AndIsShiftJis) {
    const struct {
        const char* name;
        std::string in, out;
    } cases[] = {
        {"mark dropped", "\xEF\xBB\xBF" "abc", "abc"},
        {"kanji", "本,巻", to_sjis("本,巻")},
        {"wave dash of other systems", "〜", "\x81\x60"},
        {"half-width katakana", "ﾃｽﾄ", "\xC3\xBD\xC4"},
        {"no Shift-JIS form after the mark", "\xEF\xBB\xBF" "a𠮷é", to_sjis("a？？")},
        // Valid UTF-8 of a character Shift-JIS lacks: Shift-JIS bytes.
        {"no Shift-JIS form without a mark", "a𠮷é", "a𠮷é"},
        {"莢ア", "1,\xE4\xB0\x83\x41", "1,\xE4\xB0\x83\x41"},
        {"no character in Shift-JIS", "A\x82,\x85\x40\xFF", to_sjis("A■,■■")},
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
