#include "screens/handlers.h"

#include "files/application_papers.h"
#include "files/order_file.h"
#include "files/title_import.h"
#include "screens/entry_screen.h"
#include "screens/navigation.h"
#include "screens/title_list.h"
#include "screens/title_list_undo.h"
#include "summary/coupons.h"
#include "summary/statement_screen.h"

namespace scanfee::screens {

void register_handlers(ui::EventTable& events) {
    summary::register_statement_screen(events);
    register_navigation(events);
    register_title_list(events);
    register_title_list_undo(events);  // "全タイトル消去" and its undo
    register_entry_screen(events);
    summary::register_coupons(events);
    files::register_order_file(events);
    files::register_import(events);
    files::register_application_output(events);
}

std::string frame_close_event(const ui::Form& form) {
    if (ui::same_name(form.name(), "MAINFORM")) return "BUTTON1_ON";
    if (ui::same_name(form.name(), "FORM2")) return "BUTTON11_ON";
    if (ui::same_name(form.name(), "FORM3")) return "BUTTON14_ON";
    if (ui::same_name(form.name(), "FORM4")) return "BUTTON16_ON";
    if (ui::same_name(form.name(), "FORM5")) return "BUTTON21_ON";
    return {};
}

}  // namespace scanfee::screens
