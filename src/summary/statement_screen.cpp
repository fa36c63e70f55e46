#include "summary/statement_screen.h"

#include "summary/fee_breakdown.h"
#include "summary/money_papers.h"

namespace scanfee::summary {

void register_statement_screen(ui::EventTable& events) {
    events.on("BUTTON21_ON", BUTTON21_ON);
    events.on("BUTTON22_ON", BUTTON22_ON);
    events.on("BUTTON23_ON", BUTTON23_ON);
}

}  // namespace scanfee::summary
