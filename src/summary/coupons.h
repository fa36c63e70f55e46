#pragma once
// Discount coupons: numbers typed into COMBO1 and registered, replaced or
// removed with BUTTON15. A number carries its expiry date in its first six
// digits and its value in its last two.
#include <string>

#include "ui/events.h"

namespace scanfee::summary {

// COUPONCOUNT = the filled slots from slot 0 on, at most 10.
void recount_coupons();
// Refills COMBO1 from the coupon list and recomputes the coupon discount.
void COMBO1_ADD();
void COMBO1_CHANGE();
void BUTTON15_ON();

// Whether the number's characters 9 and 10 give an amount the registration
// takes: a scale of 3 or 4 and a digit 1 to 9.
bool has_valid_amount(const std::string& number);
// The expiry date of a coupon number as yyyymmdd.
double coupon_expiry(const std::string& number);

void register_coupons(ui::EventTable& events);

}  // namespace scanfee::summary
