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

// The expiry date of a coupon number as yyyymmdd.
double coupon_expiry(const std::string& number);

void register_coupons(ui::EventTable& events);

}  // namespace scanfee::summary
