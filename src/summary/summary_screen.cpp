#include "summary/summary_screen.h"

#include "screens/controls.h"

namespace scanfee::summary {

void 総合画面_SETSUB() {
    screens::scr().FORM2->hide();
    screens::scr().MAINFORM->show();
}

}  // namespace scanfee::summary
