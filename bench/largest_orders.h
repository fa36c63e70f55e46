#pragma once
// The largest orders the program holds, for the benchmarks: the title
// limits filled through the screens (20 comics, 5 photo books), and 121
// titles in every category (605) as only an order file can bring them.
#include <string>

#include "core/order_state.h"

namespace scanfee::bench {

// A fresh run of the program in an edition, with dialogs that answer at once.
void start_program(int16 edition = EDITION_SHOP);

// 20 comics and 5 photo books entered with the screens' own events, with
// options, resolutions and compensation; ends on the summary screen.
void enter_title_limits();

// The bytes of an order file with 121 titles in each of the five categories,
// every option and flag varied, long titles, coupons, name and payments.
std::string largest_order_file();

// Loads the 605 titles through the order file reader and refreshes the
// summary, as the load button does.
void load_largest_order();

// A scratch path that lives as long as the benchmark process.
std::string scratch_path(const std::string& name);

}  // namespace scanfee::bench
