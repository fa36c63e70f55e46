#pragma once
// The per-title entry screen (FORM3): one title of the slot (CURTITLE,
// CATEGORY), its kind, work content, options, resolution, gift and
// compensation. Every change is written into the slot at once and the
// title's amounts are recalculated and redisplayed.
#include "runtime/numbers.h"
#include "ui/events.h"

namespace scanfee::screens {

void タイトル別_SETSUB();
// SHOW: -1 shows the option group, 0 hides it.
void オプション表示_SETSUB(rt::int16 show);
void オプションSET_SUB();
void オプションON_SETSUB();
void オプションOFF_SETSUB();
void BUTTON12_SUB();
void 基本金額表示_SUB();
void タイトル別合計表示_SUB();
void HSCROLL1_SUB();
void DPISET_SUB();
void CHECK1_SUB();
void CHECK2_SUB();
void CHECK3_SUB();
void CHECK4_SUB();
void CHECK6_SUB();

// The resolution text of TEXT36 for N dpi: the pixel size of an A4 page, or
// of a B5 page for saddle-stitched books.
std::string a4_text(rt::int16 dpi);
std::string b5_text(rt::int16 dpi);

void register_entry_screen(ui::EventTable& events);

}  // namespace scanfee::screens
