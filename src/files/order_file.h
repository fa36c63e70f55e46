#pragma once
// The order file: one order between runs, and the mail attachment that a
// customer sends in. Shift-JIS lines ended by CR LF: the shop edition's
// name, advance and discount lines, the coupon count and the coupons, then
// one line of five fields per title.
#include <string>

#include "runtime/file_error.h"
#include "ui/events.h"

namespace scanfee::files {

// The file's bytes for the order as "セーブ" writes them, with the writer's
// own steps: in the shop edition the name is taken from EDIT7 into CUSTNAME,
// and CURTITLE is left where the writer leaves it.
std::string order_file_bytes();

// The order as the screens show it, in the same format, without changing
// anything: the name as it stands in its box, and the title being entered
// with the others. What the recovery copy keeps.
std::string order_on_screen_bytes();

// Writes the order to FILENAME, replacing a file of that name in one step.
// In the shop edition CUSTNAME is taken from EDIT7 first; CURTITLE is left
// at the title count of the last category with titles. A failure is
// reported by a message box; returns whether it was written.
bool WFILE_SUB();

// Reads FILENAME into the order. The whole file is read and checked into a
// fresh order first: a file that cannot be read or is not an order file is
// reported by a message box, and the order, the boxes and the screens stay
// exactly as they were. Returns whether the order was replaced.
bool RFILE_SUB();

// The save and open buttons of the summary screen.
void BUTTON3_ON();
void BUTTON4_ON();
void register_order_file(ui::EventTable& events);

}  // namespace scanfee::files
