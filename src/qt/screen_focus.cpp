// The keyboard side of the view: the tab chain of each screen, where the
// focus goes when a screen opens, radio groups as one stop, and the keys
// every screen answers.
#include <QAbstractButton>
#include <QScrollArea>

#include "core/order_state.h"
#include "ui/keyboard_order.h"
#include "qt/key_handling.h"
#include "qt/paper_file.h"
#include "qt/paper_print.h"
#include "qt/paper_printer.h"
#include "qt/screen_view.h"
#include "ui/user_actions.h"

namespace scanfee::qtview {

void ScreenView::order_focus(const ui::Form& form) {
    const ui::FormFocus* row = ui::focus_order(form.name());
    if (!row) return;
    std::vector<QWidget*> chain;
    for (const char* name : row->chain) {
        const ui::Control* c = form.find(name);
        if (!c) continue;
        if (c->kind() == ui::Kind::Group) {
            for (const ui::Control* radio : ui::radios_of(form, c->name()))
                if (QWidget* w = widget(*radio)) chain.push_back(w);
        } else if (QWidget* w = widget(*c)) {
            chain.push_back(w);
        }
    }
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    for (const auto& c : form.controls())
        if (c->kind() == ui::Kind::Radio) update_radio_stops(*c);
}

void ScreenView::bind_keys(ui::Form& form, FormWindow& window) {
    FormKeyActions actions;
    if (ui::escape_leaves(form.name())) actions.escape = [this, &form] { dispatcher_.frame_closed(form); };
    actions.radio_arrow = [this](QWidget* radio, bool forward) { return radio_arrow(radio, forward); };
    if (ui::same_name(form.name(), PRINTED_FORM)) {
        actions.print = [this, &form] {
            const ui::Control* text = form.find(PRINTED_TEXT);
            if (text && !dispatcher_.busy() && !dispatcher_.ended())
                print_(widget(form), paper_text(text->text()), QString::fromUtf8("料金明細"));
        };
    } else if (ui::same_name(form.name(), PAPERS_FORM)) {
        // The papers written before, from the folder they went to.
        actions.print = [this, &form] {
            if (!dispatcher_.busy() && !dispatcher_.ended())
                print_written_paper(widget(form), order().LASTDIR, print_);
        };
    }
    actions.undo = [this, &form](QWidget* focused) {
        ui::Control* list = ui::undo_list(form, focused_control(form, focused));
        if (!list) return false;
        dispatcher_.act(*list, ui::user_undo);
        return true;
    };
    auto* keys = new FormKeys(window, std::move(actions));
    for (const ui::EnterPass& pass : ui::enter_passes()) {
        if (!ui::same_name(pass.form, form.name())) continue;
        const ui::Control* source = form.find(pass.source);
        const ui::Control* target = form.find(pass.target);
        if (source && target)
            keys->pass_enter(widget(*source), qobject_cast<QAbstractButton*>(widget(*target)));
    }
    keys->watch_all();
}

void ScreenView::focus_first(const ui::Form& form) {
    QWidget* target = nullptr;
    if (auto left = left_focus_.find(&form); left != left_focus_.end()) {
        // The control the user left the screen from, while it can still be
        // reached.
        QWidget* w = left->second.data();
        for (const auto& c : form.controls()) {
            QWidget* cw = built_widget(*c);
            if (w && cw && (cw == w || cw->isAncestorOf(w)) && ui::user_can_reach(*c)) {
                target = w;
                break;
            }
        }
    }
    if (!target) {
        // Else where the screen's keyboard order starts.
        const ui::Control* first = ui::first_focus(form);
        QWidget* w = first ? widget(*first) : nullptr;
        if (w && (w->focusPolicy() & Qt::TabFocus)) target = w;
    }
    if (!target) return;
    // Shown as if tabbed to: the style draws the focus frame only after a
    // focus change by the keyboard.
    target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::OtherFocusReason);
    // A screen larger than the screen shows the focused control.
    if (auto* window = dynamic_cast<FormWindow*>(target->window()); window && window->scroll_area())
        window->scroll_area()->ensureWidgetVisible(target);
}

void ScreenView::remember_focus(const ui::Form& form, QWidget& window) {
    const ui::FormFocus* row = ui::focus_order(form.name());
    if (row && row->returns_focus) left_focus_[&form] = window.focusWidget();
}

void ScreenView::update_radio_stops(const ui::Control& radio) {
    if (!radio.form()) return;
    const auto radios = ui::radios_of(*radio.form(), radio.group());
    const ui::Control* stop = ui::radio_tab_stop(radios);
    for (const ui::Control* r : radios)
        if (QWidget* w = widget(*r)) w->setFocusPolicy(r == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

const ui::Control* ScreenView::focused_control(const ui::Form& form, const QWidget* focused) const {
    if (!focused) return nullptr;
    const ui::Control* inside = nullptr;
    for (const auto& control : form.controls()) {
        const QWidget* w = built_widget(*control);
        if (!w) continue;
        if (w == focused) return control.get();
        // A box's own parts (a combo box's line edit) stand for the box.
        if (control->kind() != ui::Kind::Group && w->isAncestorOf(focused)) inside = control.get();
    }
    return inside;
}

bool ScreenView::radio_arrow(QWidget* radio, bool forward) {
    ui::Control* from = nullptr;
    for (const auto& [control, w] : widgets_)
        if (w == radio) from = const_cast<ui::Control*>(control);
    if (!from || !from->form()) return false;
    ui::Control* next = ui::radio_step(ui::radios_of(*from->form(), from->group()), *from, forward);
    auto* button = next ? qobject_cast<QAbstractButton*>(widget(*next)) : nullptr;
    if (!button) return false;
    // As on every desktop: the arrow moves the focus and chooses the button.
    button->setFocus(Qt::TabFocusReason);
    button->click();
    return true;
}

void ScreenView::keep_focus_reachable(const ui::Control& control, QWidget& w) {
    if (control.visible() && control.enabled()) return;
    QWidget* window = w.window();
    QWidget* focused = window->focusWidget();
    if (focused != &w && !w.isAncestorOf(focused)) return;
    // The window may be inactive or hidden, where the toolkit leaves its
    // remembered focus on the control; the next stop takes it instead.
    for (QWidget* next = focused->nextInFocusChain(); next && next != focused;
         next = next->nextInFocusChain()) {
        if (next->window() == window && next != window && next->isVisibleTo(window) &&
            next->isEnabled() && (next->focusPolicy() & Qt::TabFocus) && !next->focusProxy()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    focused->clearFocus();
}

}  // namespace scanfee::qtview
