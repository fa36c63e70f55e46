#pragma once
// The statement screen FORM5: its "終了" turns the work-fee statement into
// the fee breakdown and then closes; its two output buttons write papers.
#include "ui/events.h"

namespace scanfee::summary {

void register_statement_screen(ui::EventTable& events);

}  // namespace scanfee::summary
