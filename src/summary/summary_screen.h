#pragma once
// The summary screen: every order-level amount, recomputed in its fixed order
// each time the screen is shown.

namespace scanfee::summary {

void 総合画面_SETSUB();

}  // namespace scanfee::summary
