#pragma once
// What a value of an order file may hold: the rules the screens keep for
// what a user types hold for a file too, so that a file cannot bring in a
// coupon, a payment or a text that no screen would take.
#include <optional>
#include <string>
#include <string_view>

#include "runtime/numbers.h"

namespace scanfee::files {

// The digits the payment boxes take: EDIT4 (advance) and EDIT5 (discount).
inline constexpr int ADVANCE_DIGITS = 6;
inline constexpr int DISCOUNT_DIGITS = 5;
// The coupon box takes 10 bytes; characters 9 and 10 give the amount.
inline constexpr std::size_t COUPON_BYTES = 10;

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }
// The text without the blanks around it.
std::string_view trim_blanks(std::string_view text);

// True when the text holds a control byte (0x00-0x1F or 0x7F). No trail
// byte of a Shift-JIS character is one, so the bytes can be tested alone.
bool holds_control_byte(std::string_view text);

// A payment as its box could hold it: digits only (blanks around them
// allowed), at most `digits` of them once leading zeros are dropped.
std::optional<rt::single> payment(std::string_view text, int digits);

// Why the coupon registration would refuse `coupon`, Shift-JIS; empty when
// it would take it. Expiry is not checked: a shop loads last month's orders.
std::string coupon_refusal(std::string_view coupon);

}  // namespace scanfee::files
