#include <gtest/gtest.h>

#include "runtime/fatal.h"
#include "runtime/sjis.h"
#include "runtime/text_ops.h"
#include "support/fatal_number.h"

namespace scanfee::rt {
namespace {

using testing::fatal_number;

TEST(TextOps, CountBytesFromOne) {
    const std::string text = "ABCDE";
    EXPECT_EQ(LEN(text), 5);
    EXPECT_EQ(LEFT(text, 2), "AB");
    EXPECT_EQ(LEFT(text, 0), "");
    EXPECT_EQ(LEFT(text, 99), "ABCDE");
    EXPECT_EQ(RIGHT(text, 2), "DE");
    EXPECT_EQ(RIGHT(text, 99), "ABCDE");
    EXPECT_EQ(MID(text, 2), "BCDE");
    EXPECT_EQ(MID(text, 2, 3), "BCD");
    EXPECT_EQ(MID(text, 4, 99), "DE");
    EXPECT_EQ(MID(text, 6), "");
    EXPECT_EQ(MID(text, 99, 1), "");
    // A two-byte character counts two and may be split.
    const std::string kanji = to_sjis("冊A");
    EXPECT_EQ(LEN(kanji), 3);
    EXPECT_EQ(LEFT(kanji, 1), "\x8D");
    EXPECT_EQ(MID(kanji, 2, 1), "\xFB");
}

TEST(TextOps, SearchFromAStartPosition) {
    const std::string text = "abcabc";
    EXPECT_EQ(INSTR(text, "c"), 3);
    EXPECT_EQ(INSTR(4, text, "c"), 6);
    EXPECT_EQ(INSTR(7, text, "c"), 0);
    EXPECT_EQ(INSTR(text, "x"), 0);
    EXPECT_EQ(INSTR(2, text, ""), 2);
    EXPECT_EQ(INSTR("", ""), 0);
    // A trail byte that looks like ASCII is still found: positions are bytes.
    EXPECT_EQ(INSTR(to_sjis("ソ"), "\\"), 2);
}

TEST(TextOps, NegativeLengthsAndPositionsBelowOneAreFatal) {
    EXPECT_EQ(fatal_number([] { LEFT("abc", -1); }), ERR_INVALID_ARGUMENT);
    EXPECT_EQ(fatal_number([] { RIGHT("abc", -1); }), ERR_INVALID_ARGUMENT);
    EXPECT_EQ(fatal_number([] { MID("abc", 1, -1); }), ERR_INVALID_ARGUMENT);
    EXPECT_EQ(fatal_number([] { MID("abc", 0); }), ERR_INVALID_ARGUMENT);
    EXPECT_EQ(fatal_number([] { INSTR(0, "abc", "a"); }), ERR_INVALID_ARGUMENT);
}

}  // namespace
}  // namespace scanfee::rt
