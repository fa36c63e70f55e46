#include "runtime/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/fatal.h"
#include "runtime/gcc12_false_positives.h"

namespace scanfee::rt {
namespace {

// GCC 12 at -O3 reports -Wrestrict inside std::string when a literal is
// joined to a std::string ("." + digits, " " + text): a false positive
// (gcc12_false_positives.h), silenced for the number-to-text code below.
SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wrestrict")

// Number-to-text with P significant digits. The digits of the exact binary
// value are cut at P + 2 and rounded to P by looking at digit P + 1 only.
std::string format_number(double value, int precision, char exponent_letter, bool expression) {
    if (std::isnan(value)) return " NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : " INF";
    if (value == 0) return " 0";
    std::string sign = value < 0 ? "-" : " ";

    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*e", 70, std::fabs(value));
    std::string mantissa;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') mantissa += *p;
    int exponent = std::atoi(p + 1);

    std::string digits = mantissa.substr(0, static_cast<size_t>(precision));
    if (mantissa[static_cast<size_t>(precision)] >= '5') {
        int i = precision - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == '9') digits[static_cast<size_t>(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[static_cast<size_t>(i)];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent >= 0 && exponent < precision) {
        std::string whole = digits.substr(0, std::min(digits.size(), size_t(exponent) + 1));
        whole.append(size_t(exponent) + 1 - whole.size(), '0');
        std::string text = whole;
        if (digits.size() > size_t(exponent) + 1) text += "." + digits.substr(size_t(exponent) + 1);
        return sign + text;
    }
    if (exponent < 0) {
        std::string text = "." + std::string(size_t(-exponent - 1), '0') + digits;
        if (text.size() <= size_t(precision) + 1) return sign + text;
    }
    std::string text(1, digits[0]);
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += exponent_letter;
    text += exponent < 0 ? '-' : '+';
    int magnitude = std::abs(exponent);
    char exp_digits[16];
    std::snprintf(exp_digits, sizeof exp_digits, expression || magnitude >= 100 ? "%03d" : "%02d",
                  magnitude);
    return sign + text + exp_digits;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string str_int(int16 value) {
    return (value < 0 ? "" : " ") + std::to_string(value);
}

SCANFEE_GCC12_FALSE_POSITIVE_END

std::string str_single(single value) { return format_number(value, 6, 'E', false); }

std::string str_expr(double value) { return format_number(value, 15, 'D', true); }

std::string digits_single(single value) { return str_single(value).substr(1); }

std::string digits_int(int16 value) {
    std::string digits;
    append_digits_int(digits, value);
    return digits;
}

void append_digits_int(std::string& out, int16 value) {
    // str_int's text without its sign column: a negative number's digits
    // are those of its magnitude.
    int magnitude = value < 0 ? -int(value) : int(value);
    char digits[8];
    size_t n = 0;
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    while (n > 0) out += digits[--n];
}

double val(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool any_digit = false, point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (is_digit(c)) {
            number += c;
            any_digit = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else if (c != ' ') {
            break;
        }
    }
    if (!any_digit) return 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        size_t start = j;
        while (j < text.size() && is_digit(text[j])) exponent += text[j++];
        if (j > start) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

int16 to_int16(double value) {
    double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
    if (!(rounded >= -32768 && rounded <= 32767)) SCANFEE_FATAL(ERR_OVERFLOW);
    return static_cast<int16>(rounded);
}

single to_single(double value) {
    // The conversion rounds to nearest, ties to even. The largest single,
    // FLT_MAX = (2 - 2^-23) * 2^127, has an odd significand, so the double
    // exactly halfway between it and 2^128 already rounds up to infinity:
    // that midpoint, 2^128 - 2^103, is the first value that does not fit.
    // Comparing before converting also keeps NaN out (every comparison with
    // it is false) and never relies on an out-of-range conversion.
    constexpr double rounds_to_infinity = 3.4028235677973366e38;  // 2^128 - 2^103
    if (!(std::fabs(value) < rounds_to_infinity)) SCANFEE_FATAL(ERR_OVERFLOW);
    return static_cast<single>(value);
}

double round_half_away(double value) { return std::round(value); }

double idiv(double a, double b) {
    double divisor = round_half_away(b);
    if (divisor == 0) SCANFEE_FATAL(ERR_DIVISION_BY_ZERO);
    double dividend = round_half_away(a);
    if (std::fabs(dividend) < 9e18 && std::fabs(divisor) < 9e18)
        return static_cast<double>(static_cast<long long>(dividend) / static_cast<long long>(divisor));
    return std::trunc(dividend / divisor);
}

double int_part(double value) { return std::floor(value); }

}  // namespace scanfee::rt
