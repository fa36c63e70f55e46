#pragma once
// The program's number rules, in one place: how amounts, counts and
// expression results become text and back, and how values are rounded when
// they are stored, divided or cut to whole numbers.
#include <cstdint>
#include <string>
#include <string_view>

namespace scanfee::rt {

using int16 = std::int16_t;
// Money and most counters of the order: single precision.
using single = float;

// Number-to-text. The first character is the sign column: a blank for zero
// and positive numbers, "-" for negative ones.
std::string str_int(int16 value);        // " 25", "-3"
std::string str_single(single value);    // 6 significant digits, "E" exponent
std::string str_expr(double value);      // 15 significant digits, "D" exponent

// The same text without its sign column (a negative number loses its minus).
std::string digits_single(single value);
std::string digits_int(int16 value);
// digits_int's text put at the end of `out`, with no text of its own made:
// for writers that put many numbers into one buffer.
void append_digits_int(std::string& out, int16 value);

// Text-to-number: leading blanks, a sign, digits with one point (blanks among
// them are skipped), an exponent with E/e/D/d; stops at any other byte.
double val(std::string_view text);

// Storing into a 16-bit integer: nearest integer, halves to even; a result
// outside -32768..32767 is fatal error 6.
int16 to_int16(double value);

// Storing into an amount: rounded to single precision; a value beyond the
// single-precision range is fatal error 6 as well.
single to_single(double value);

// Rounding of an operand before integer division or an explicit conversion:
// nearest integer, halves away from zero.
double round_half_away(double value);

// Integer division A \ B: both operands rounded half away from zero, the
// quotient truncated toward zero. B rounding to 0 is fatal error 11.
double idiv(double a, double b);

// The whole-part function: the largest integer not above the argument.
double int_part(double value);

// The single-precision constants the fee rules use.
inline constexpr single ONE_TENTH = 0.1f;   // 0.100000001490116
inline constexpr single SEVEN_TENTHS = 0.7f;  // 0.699999988079071

}  // namespace scanfee::rt
