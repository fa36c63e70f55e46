#include "screens/handlers.h"

namespace scanfee::screens {

void register_handlers(ui::EventTable&) {}

std::string frame_close_event(const ui::Form& form) {
    if (ui::same_name(form.name(), "MAINFORM")) return "BUTTON1_ON";
    if (ui::same_name(form.name(), "FORM2")) return "BUTTON11_ON";
    if (ui::same_name(form.name(), "FORM3")) return "BUTTON14_ON";
    if (ui::same_name(form.name(), "FORM4")) return "BUTTON16_ON";
    if (ui::same_name(form.name(), "FORM5")) return "BUTTON21_ON";
    return {};
}

}  // namespace scanfee::screens
