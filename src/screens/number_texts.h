#pragma once
// The number texts the screens show.
#include <string>

#include "runtime/numbers.h"

namespace scanfee::screens {

// Number-to-text of an amount without its sign column ("1000", "52" for -52).
std::string plain_text(rt::single amount);
// The plain text in full-width digits with "," every three digits.
std::string full_width_amount(rt::single amount);
// The same followed by "円", as the summary screen and the title list show.
std::string full_width_yen(rt::single amount);
// An option charge: "+" or "-" before the plain text, "0" for no charge.
std::string signed_option_text(rt::single charge);

}  // namespace scanfee::screens
