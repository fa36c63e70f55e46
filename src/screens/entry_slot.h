#pragma once
// The title slot that the entry screen shows, for the entry screen's files.
#include "core/order_state.h"

namespace scanfee::screens {

inline int16 slot() { return order().CURTITLE; }
inline int16 cat() { return order().CATEGORY; }

// Saddle-stitched books take the B5 text, table B and the 120 dpi default:
// saddle-stitched magazines, and doujinshi while "中綴じ版" is checked.
bool saddle_screen();

}  // namespace scanfee::screens
