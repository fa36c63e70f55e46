#include "ui/keyboard_order.h"

#include <algorithm>

namespace scanfee::ui {

namespace {

// Whether the keyboard may stop at the control once its form is shown.
bool reachable(const Control& c) { return c.visible() && c.enabled(); }

// The control a chain entry stands for now: a group box for its stop.
Control* stop_of(const Form& form, const char* name) {
    Control* c = form.find(name);
    if (c && c->kind() == Kind::Group) c = radio_tab_stop(radios_of(form, c->name()));
    return c && reachable(*c) ? c : nullptr;
}

}  // namespace

const std::vector<FormFocus>& focus_order_table() {
    // Controls hidden in an edition or a category keep their place; the
    // keyboard passes over whatever is hidden or disabled at the time.
    static const std::vector<FormFocus> table = {
        // The summary: the category buttons, the coupons and the special
        // discount on the left; the files, the payments, the end button and
        // the customer's name beside the totals on the right.
        {"MAINFORM", "BUTTON5",
         {"BUTTON5", "BUTTON6", "BUTTON9", "BUTTON8", "BUTTON7", "COMBO1", "BUTTON15", "CHECK8",
          "BUTTON4", "BUTTON3", "BUTTON2", "EDIT4", "EDIT5", "BUTTON1", "EDIT7"},
         8,
         true},
        {"FORM2", "LIST1", {"BUTTON10", "BUTTON11", "BUTTON20", "LIST1"}},
        {"FORM3", "EDIT1",
         {"EDIT1", "EDIT2", "EDIT3", "GROUP1", "GROUP2", "BUTTON12", "CHECK6", "CHECK1", "CHECK3",
          "CHECK4", "CHECK2", "HSCROLL1", "BUTTON13", "CHECK7", "BUTTON14"}},
        {"FORM4", "LIST2", {"LIST2", "BUTTON17", "BUTTON18", "LIST3", "BUTTON19", "CHECK5", "BUTTON16"}},
        // The statement is what the user came to read: the arrow and page
        // keys scroll it.
        {"FORM5", "EDIT6", {"BUTTON23", "BUTTON22", "BUTTON21", "EDIT6"}},
    };
    return table;
}

const FormFocus* focus_order(std::string_view form) {
    for (const FormFocus& row : focus_order_table())
        if (same_name(row.form, form)) return &row;
    return nullptr;
}

std::vector<Control*> radios_of(const Form& form, std::string_view group) {
    std::vector<Control*> radios;
    for (const auto& c : form.controls())
        if (c->kind() == Kind::Radio && same_name(c->group(), group)) radios.push_back(c.get());
    std::stable_sort(radios.begin(), radios.end(), [](const Control* a, const Control* b) {
        const Rect& ra = a->geometry();
        const Rect& rb = b->geometry();
        return ra.y != rb.y ? ra.y < rb.y : ra.x < rb.x;
    });
    return radios;
}

Control* radio_tab_stop(const std::vector<Control*>& radios) {
    Control* first = nullptr;
    for (Control* r : radios) {
        if (!reachable(*r)) continue;
        if (r->checked() == 1) return r;
        if (!first) first = r;
    }
    return first;
}

Control* radio_step(const std::vector<Control*>& radios, const Control& from, bool forward) {
    const auto here = std::find(radios.begin(), radios.end(), &from);
    if (here == radios.end()) return nullptr;
    const auto n = static_cast<std::ptrdiff_t>(radios.size());
    const std::ptrdiff_t start = here - radios.begin();
    for (std::ptrdiff_t step = 1; step < n; ++step) {
        const std::ptrdiff_t i = ((start + (forward ? step : -step)) % n + n) % n;
        if (reachable(*radios[size_t(i)])) return radios[size_t(i)];
    }
    return nullptr;
}

std::vector<Control*> tab_stops(const Form& form) {
    std::vector<Control*> stops;
    if (const FormFocus* row = focus_order(form.name()))
        for (const char* name : row->chain)
            if (Control* c = stop_of(form, name)) stops.push_back(c);
    return stops;
}

Control* undo_list(const Form& form, const Control* focused) {
    if (focused && focused->kind() == Kind::List) return const_cast<Control*>(focused);
    if (focused && (focused->kind() == Kind::Edit || focused->kind() == Kind::Combo)) return nullptr;
    Control* only = nullptr;
    for (const auto& control : form.controls()) {
        if (control->kind() != Kind::List) continue;
        if (only) return nullptr;
        only = control.get();
    }
    return only;
}

Control* first_focus(const Form& form) {
    const FormFocus* row = focus_order(form.name());
    if (!row) return nullptr;
    if (Control* first = stop_of(form, row->first)) return first;
    const std::vector<Control*> stops = tab_stops(form);
    return stops.empty() ? nullptr : stops.front();
}

bool escape_leaves(std::string_view form) {
    // The summary screen's way out is the end of the run: Esc leaves it alone.
    for (const char* name : {"FORM2", "FORM3", "FORM4", "FORM5"})
        if (same_name(name, form)) return true;
    return false;
}

const std::vector<EnterPass>& enter_passes() {
    static const std::vector<EnterPass> passes = {
        // A typed coupon number is registered as by "←　割引券番号登録".
        {"MAINFORM", "COMBO1", "BUTTON15"},
    };
    return passes;
}

}  // namespace scanfee::ui
