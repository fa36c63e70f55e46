#pragma once
#include "ui/model.h"

namespace scanfee::screens {

// Creates MAINFORM and FORM2 to FORM5 with all their controls, hidden.
void define_screens(ui::ScreenModel& model);

}  // namespace scanfee::screens
