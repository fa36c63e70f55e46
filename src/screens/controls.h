#pragma once
// Every form and control of the screens, looked up once by name when the
// screens are bound and kept in a variable of its own. The variables come
// from the screen tables (screens/forms/*.def): one a row.
#include "ui/model.h"

namespace scanfee::screens {

struct Controls {
#define FORM(NAME, ...) ui::Form* NAME = nullptr;
#define CONTROL(NAME, ...) ui::Control* NAME = nullptr;
#include "screens/forms/all_forms.def"
};

// The bound controls of the run.
Controls& scr();
// Looks every form and control up by name (ignoring case) and keeps it.
void bind_controls(ui::ScreenModel& model);

}  // namespace scanfee::screens
