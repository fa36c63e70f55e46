#pragma once
// Taking back "全タイトル消去": the button itself asks nothing and empties
// the category at once; the titles it removed can be brought back with their
// amounts (Ctrl+Z on the title list, the event LIST1_UNDO) as long as nothing
// else has changed that category since.
#include "ui/events.h"

namespace scanfee::screens {

// "全タイトル消去" as the title list runs it: the category as it was is kept
// before the button's own handler empties it.
void BUTTON20_ON_KEEPING_TITLES();

// Brings back the titles the last "全タイトル消去" of the open category
// removed, when the category is still as that button left it, and refills
// the list. Returns whether it did.
bool LIST1_UNDO();

// Forgets every kept category (a fresh run).
void forget_removed_titles();

void register_title_list_undo(ui::EventTable& events);

}  // namespace scanfee::screens
