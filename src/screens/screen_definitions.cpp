// The five screens as designed, built from their tables (screens/forms/*.def):
// every form and control with its kind, caption, place, size, font, colours,
// alignment, limits, first state, name and place in the narrow layout.
#include "screens/screen_definitions.h"

#include "screens/form_rows.h"

namespace scanfee::screens {

void define_screens(ui::ScreenModel& model) {
    using namespace rows;
    FormRow form_row{};
    ui::Form* f = nullptr;
#define FORM(NAME, CAPTION, WIDTH, HEIGHT, FRAME, BUTTONS)                    \
    form_row = {#NAME, CAPTION, WIDTH, HEIGHT, frame::FRAME, names::BUTTONS}; \
    f = &add_form(model, form_row);
#define CONTROL(NAME, KIND, CAPTION, LEFT, TOP, WIDTH, HEIGHT, FACE, SIZE, ALIGN, TEXT, BACK, \
                LIMITS, FIRST, GROUP, NAMED, NARROW)                                        \
    add_control(*f, form_row,                                                               \
                {#NAME, kind::KIND, CAPTION, {LEFT, TOP, WIDTH, HEIGHT}, face::FACE, SIZE,  \
                 align::ALIGN, ui::colors::TEXT, ui::colors::BACK, limits::LIMITS,          \
                 first::FIRST, GROUP, named::NAMED, narrow::NARROW});
#include "screens/forms/all_forms.def"
}

}  // namespace scanfee::screens
