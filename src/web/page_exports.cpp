// What the page's script calls: the start, the user's actions by control
// name, and the keyboard's questions. Texts come as UTF-8.
#include <emscripten.h>

#include <string>

#include "core/program.h"
#include "ui/keyboard_order.h"
#include "ui/model_json.h"
#include "ui/user_actions.h"
#include "web/page_run.h"
#include "web/page_typing.h"

using namespace scanfee;

namespace {

// Answers handed to the script stay valid until the next call.
const char* answer(std::string text) {
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

}  // namespace

extern "C" {

// 0: started; 1: the edition is not "shop" or "customer"; 2: the date is
// not YYYY/MM/DD.
EMSCRIPTEN_KEEPALIVE int scanfee_start(const char* edition, const char* today) {
    return static_cast<int>(web::start_page(edition, today));
}

EMSCRIPTEN_KEEPALIVE void scanfee_click(const char* name) { web::act(name, ui::user_click); }

EMSCRIPTEN_KEEPALIVE void scanfee_type(const char* name, const char* utf8) { web::type_into(name, utf8); }

EMSCRIPTEN_KEEPALIVE void scanfee_select(const char* name, int row) {
    web::act(name, [row](ui::Control& c) { return ui::user_select(c, row); });
}

EMSCRIPTEN_KEEPALIVE void scanfee_scroll(const char* name, int pos) {
    web::act(name, [pos](ui::Control& c) { return ui::user_scroll(c, pos); });
}

// Ctrl+Z in a list box.
EMSCRIPTEN_KEEPALIVE void scanfee_undo(const char* name) { web::act(name, ui::user_undo); }

EMSCRIPTEN_KEEPALIVE void scanfee_close(const char* form) { web::close_form(form); }

// The stops the Tab key walks on the form now, as a JSON array of names.
EMSCRIPTEN_KEEPALIVE const char* scanfee_tab_stops(const char* form) {
    std::string names = "[";
    if (const ui::Form* f = screen_model().find_form(form))
        for (const ui::Control* c : ui::tab_stops(*f))
            names += (names.size() > 1 ? "," : "") + ui::json_string(ui::upper_name(c->name()));
    return answer(names + "]");
}

// The list Ctrl+Z works on with the focus on `focused` (a control's name,
// or empty); empty when Ctrl+Z is not the form's to take.
EMSCRIPTEN_KEEPALIVE const char* scanfee_undo_list(const char* form, const char* focused) {
    const ui::Form* f = screen_model().find_form(form);
    const ui::Control* at = f && *focused ? f->find(focused) : nullptr;
    const ui::Control* list = f ? ui::undo_list(*f, at) : nullptr;
    return answer(list ? ui::upper_name(list->name()) : "");
}

// The radio button an arrow key moves to from `name`; empty for none.
EMSCRIPTEN_KEEPALIVE const char* scanfee_radio_step(const char* name, int forward) {
    const ui::Control* from = screen_model().find(name);
    if (!from || from->kind() != ui::Kind::Radio || !from->form()) return answer("");
    const ui::Control* next = ui::radio_step(ui::radios_of(*from->form(), from->group()), *from, forward != 0);
    return answer(next ? ui::upper_name(next->name()) : "");
}

}  // extern "C"
