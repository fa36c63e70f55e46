#include <gtest/gtest.h>

#include "runtime/sjis.h"

namespace scanfee::rt {
namespace {

TEST(Sjis, RoundTripsTheCharactersThatPlainShiftJisLacks) {
    const struct {
        const char* utf8;
        const char* cp932;
    } cases[] = {
        {"～", "\x81\x60"}, {"①", "\x87\x40"}, {"\\", "\x5C"}, {"~", "\x7E"}, {"ｶﾞ", "\xB6\xDE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(to_sjis(c.utf8), c.cp932);
        EXPECT_EQ(to_utf8(c.cp932), c.utf8);
    }
    EXPECT_EQ(to_sjis("\u301C"), "\x81\x60");  // 〜 as input methods commit it
    EXPECT_EQ(to_sjis("\u00A5"), "\x5C");
}

TEST(Sjis, WhatCannotBeConvertedIsMarkedNeverDropped) {
    const std::string bad = "\xEF\xBF\xBD";
    EXPECT_EQ(to_utf8("\x80" "A\xA0\xFD\xFF"), bad + "A" + bad + bad + bad);
    EXPECT_EQ(to_utf8("A\x82"), "A" + bad);  // lead byte cut off at the end
    EXPECT_EQ(to_utf8("\x82\r\n"), bad + "\r\n");
    EXPECT_EQ(to_sjis("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji
    EXPECT_EQ(to_sjis("a\xE3\x81"), "a?");
    // The caller may choose the mark; one mark per character or sequence.
    EXPECT_EQ(to_sjis("a\xF0\x9F\x98\x80\xE3\x81", "\x81\x48"), "a\x81\x48\x81\x48");
}

}  // namespace
}  // namespace scanfee::rt
