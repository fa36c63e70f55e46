#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/fatal.h"
#include "runtime/numbers.h"
#include "runtime/sjis.h"
#include "support/fatal_number.h"

namespace scanfee::rt {
namespace {

struct TextCase {
    double value;
    const char* text;
};

TEST(NumberToText, SingleUsesSixDigitsAndTheSignColumn) {
    const TextCase cases[] = {
        {0, " 0"},
        {1500, " 1500"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {12345.678, " 12345.7"},
        {999999, " 999999"},
        {1000000, " 1E+06"},
        {1234567, " 1.23457E+06"},
        {0.0001234, " 1.234E-04"},
        {0.001234, " .001234"},
        {-500, "-500"},
        {999999.5, " 1E+06"},  // the carry out of the first digit raises the exponent
        {1e30, " 1E+30"},
        {1.401298464e-45, " 1.4013E-45"},  // the smallest single
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(str_single(static_cast<single>(c.value)), c.text);
    }
}

TEST(NumberToText, ExpressionUsesFifteenDigitsAndD) {
    const TextCase cases[] = {
        {1.0 + 1.0, " 2"},
        {double(0.1f) + 0, " .100000001490116"},
        {1e15, " 1D+015"},
        {1e-20, " 1D-020"},
        {-123456789012345.0, "-123456789012345"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(str_expr(c.value), c.text);
    }
}

TEST(NumberToText, IntegersAndBareDigits) {
    EXPECT_EQ(str_int(0), " 0");
    EXPECT_EQ(str_int(25), " 25");
    EXPECT_EQ(str_int(-3), "-3");
    EXPECT_EQ(str_int(-32768), "-32768");
    EXPECT_EQ(digits_single(1000000), "1E+06");
    // Dropping the sign column loses a minus sign: the papers rely on it.
    EXPECT_EQ(digits_single(-500), "500");
    EXPECT_EQ(digits_int(-7), "7");
    // Bare or appended in place, every 16-bit value gives str_int's text
    // without its sign column.
    std::string line = "x";
    for (int v = -32768; v <= 32767; ++v) {
        line.resize(1);
        append_digits_int(line, int16(v));
        const std::string bare = str_int(int16(v)).substr(1);
        if (line != "x" + bare || digits_int(int16(v)) != bare) {
            ADD_FAILURE() << v << " appended as " << line;
            break;
        }
    }
}

TEST(TextToNumber, ReadsTheLeadingNumberOnly) {
    const struct {
        const char* utf8;
        double value;
    } cases[] = {
        {"", 0},       {"abc", 0},      {"１２", 0},     {" 12冊", 12},   {"1,500", 1},
        {"1 2", 12},   {"  -3.5", -3.5}, {"+7", 7},      {".5", 0.5},     {"1.2.3", 1.2},
        {"1E3", 1000}, {"2d2", 200},    {"1e", 1},       {"-", 0},        {"5:00", 5},
        {"12e-1x", 1.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_DOUBLE_EQ(val(to_sjis(c.utf8)), c.value);
    }
}

TEST(NumberConversions, Int16RoundsHalvesToEvenAndChecksRange) {
    const struct {
        double value;
        int16 stored;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4, 2}, {32767.4, 32767}, {-32768, -32768}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(to_int16(c.value), c.stored);
    }
    for (double bad : {32767.5, -32768.6, 1e10, std::nan("")}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(testing::fatal_number([&] { to_int16(bad); }), ERR_OVERFLOW);
    }
}

TEST(NumberConversions, AmountsAreStoredInSinglePrecisionWithinItsRange) {
    EXPECT_EQ(to_single(0.1), 0.1f);
    EXPECT_EQ(to_single(-3.4e38), -3.4e38f);
    // 2^128 - 2^103 lies halfway between the largest single and 2^128; ties
    // go to the even significand, which is 2^128, so it is the first value
    // that would become infinity. The double just below it still rounds down.
    constexpr double halfway = 3.4028235677973366e38;
    constexpr single largest = std::numeric_limits<single>::max();
    ASSERT_EQ(halfway, std::ldexp(1.0, 128) - std::ldexp(1.0, 103));
    EXPECT_EQ(to_single(std::nextafter(halfway, 0.0)), largest);
    EXPECT_EQ(to_single(-std::nextafter(halfway, 0.0)), -largest);
    EXPECT_EQ(to_single(double(largest)), largest);
    for (double bad : {halfway, -halfway, std::nextafter(halfway, 1e300), 1e39, -1e39,
                       std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), std::nan("")}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(testing::fatal_number([&] { to_single(bad); }), ERR_OVERFLOW);
    }
}

// Found by fuzz/number_text: fifteen digits of the largest double round up
// past the double range, so its text reads back as infinity, and storing
// that anywhere is error 6, never an infinite amount or count.
TEST(NumberConversions, TheTextOfTheLargestDoubleReadsBackBeyondTheRange) {
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(str_expr(-largest), "-1.79769313486232D+308");
    const double back = val(str_expr(-largest));
    EXPECT_TRUE(std::isinf(back) && back < 0);
    EXPECT_EQ(testing::fatal_number([&] { to_single(back); }), ERR_OVERFLOW);
    EXPECT_EQ(testing::fatal_number([&] { to_int16(back); }), ERR_OVERFLOW);
    // One digit less still reads back to a double of the same text.
    EXPECT_EQ(str_expr(val(str_expr(1.7976931348623e308))), str_expr(1.7976931348623e308));
}

TEST(NumberConversions, IntegerDivisionAndWholePart) {
    EXPECT_EQ(idiv(451, 2), 225);
    EXPECT_EQ(idiv(450.5, 2), 225);  // 450.5 rounds to 451 first
    EXPECT_EQ(idiv(-7, 2), -3);      // truncated toward zero
    EXPECT_EQ(idiv(2.5, 1), 3);
    EXPECT_EQ(idiv(-2.5, 1), -3);
    EXPECT_EQ(idiv(10, 2.5), 3);     // the divisor rounds too
    EXPECT_EQ(testing::fatal_number([] { idiv(1, 0.4); }), ERR_DIVISION_BY_ZERO);
    EXPECT_EQ(int_part(-0.5), -1);
    EXPECT_EQ(int_part(2.9), 2);
}

}  // namespace
}  // namespace scanfee::rt
