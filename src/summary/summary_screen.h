#pragma once
// The summary screen: every order-level amount, recomputed in its fixed order
// each time the screen is shown.
#include <string>

namespace scanfee::summary {

void 総合画面_SETSUB();

// The return-shipping cell: the amount when there is one, otherwise why it
// costs nothing ("当店負担、０円", "着払の為、０円"), or "０円" for no titles.
std::string shipping_text();

}  // namespace scanfee::summary
