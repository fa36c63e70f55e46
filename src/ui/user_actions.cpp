#include "ui/user_actions.h"

namespace scanfee::ui {

std::string user_click(Control& control) {
    if (control.kind() == Kind::CheckBox) {
        control.set_checked(control.checked() ? 0 : 1);
    } else if (control.kind() == Kind::Radio) {
        if (Form* form = control.form()) {
            for (const auto& other : form->controls())
                if (other.get() != &control && other->kind() == Kind::Radio &&
                    same_name(other->group(), control.group()))
                    other->set_checked(0);
        }
        control.set_checked(1);
    }
    return control.name() + "_ON";
}

std::string user_type(Control& control, std::string_view typed) {
    control.set_text(control.limit_input(typed));
    return control.name() + "_CHANGE";
}

std::string user_select(Control& control, int row) {
    if (row < -1 || row >= control.item_count()) row = -1;
    if (control.kind() == Kind::Combo) {
        control.set_selected(row);
        if (row >= 0) control.set_text(control.items()[size_t(row)]);
        return control.name() + "_CHANGE";
    }
    if (control.multi_select()) {
        if (row >= 0) control.set_item_selected(row, !control.is_item_selected(row));
    } else {
        control.set_selected(row);
    }
    return control.name() + "_CLICK";
}

std::string user_scroll(Control& control, int pos) {
    control.set_pos(pos);
    return control.name() + "_CHANGE";
}

std::string user_undo(Control& control) { return control.name() + "_UNDO"; }

bool user_can_reach(const Control& control) {
    const Form* form = control.form();
    if (!control.visible() || !control.enabled()) return false;
    return form == nullptr || &control == form || (form->visible() && form->enabled());
}

}  // namespace scanfee::ui
