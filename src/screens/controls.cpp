#include "screens/controls.h"

#include <stdexcept>
#include <string>

namespace scanfee::screens {
namespace {

Controls the_controls;

ui::Form* form(ui::ScreenModel& model, const char* name) {
    ui::Form* f = model.find_form(name);
    if (!f) throw std::logic_error(std::string("no form ") + name);
    return f;
}

ui::Control* control(ui::Form* f, const char* name) {
    ui::Control* c = f->find(name);
    if (!c) throw std::logic_error(std::string("no control ") + name + " on " + f->name());
    return c;
}

}  // namespace

Controls& scr() { return the_controls; }

void bind_controls(ui::ScreenModel& model) {
    Controls& c = the_controls;
    ui::Form* f = nullptr;
#define FORM(NAME, ...) f = c.NAME = form(model, #NAME);
#define CONTROL(NAME, ...) c.NAME = control(f, #NAME);
#include "screens/forms/all_forms.def"
}

}  // namespace scanfee::screens
