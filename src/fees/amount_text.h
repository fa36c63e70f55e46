#pragma once
// How amounts read on the summary screen: half-width digits followed by "円".
#include <string>

#include "runtime/numbers.h"

namespace scanfee::fees {

// The sign column is dropped, so a negative amount loses its minus sign; the
// amounts shown this way are never negative.
std::string amount_text(rt::single amount);

// The balance may be negative, so it keeps its sign column: " 6500円",
// "-2000円".
std::string balance_text(rt::single amount);

}  // namespace scanfee::fees
