// The keyboard side of the view: the tab chain of each screen, where the
// focus goes when a screen opens, radio groups as one stop, and the keys
// every screen answers.
#include <QAbstractButton>

#include "qt/focus_order.h"
#include "qt/key_handling.h"
#include "qt/qt_text.h"
#include "qt/radio_groups.h"
#include "qt/screen_view.h"
#include "qt/statement_printer.h"
#include "ui/user_actions.h"

namespace scanfee::qtview {

void ScreenView::order_focus(const ui::Form& form) {
    const FormFocus* row = focus_order(form.name());
    if (!row) return;
    std::vector<QWidget*> chain;
    for (const char* name : row->chain) {
        const ui::Control* c = form.find(name);
        if (!c) continue;
        if (c->kind() == ui::Kind::Group) {
            for (const ui::Control* radio : radios_of(form, c->name()))
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
    if (escape_leaves(form.name())) actions.escape = [this, &form] { dispatcher_.frame_closed(form); };
    actions.radio_arrow = [this](QWidget* radio, bool forward) { return radio_arrow(radio, forward); };
    if (ui::same_name(form.name(), PRINTED_FORM)) {
        actions.print = [this, &form] {
            const ui::Control* text = form.find(PRINTED_TEXT);
            if (text && !dispatcher_.busy() && !dispatcher_.ended())
                print_(widget(form), to_qt(text->text()));
        };
    }
    actions.undo = [this, &form](QWidget* focused) {
        for (const auto& control : form.controls()) {
            if (control->kind() != ui::Kind::List) continue;
            QWidget* list = built_widget(*control);
            if (list && (list == focused || list->isAncestorOf(focused))) {
                dispatcher_.act(*control, ui::user_undo);
                return true;
            }
        }
        return false;
    };
    auto* keys = new FormKeys(window, std::move(actions));
    for (const EnterPass& pass : enter_passes()) {
        if (!ui::same_name(pass.form, form.name())) continue;
        const ui::Control* source = form.find(pass.source);
        const ui::Control* target = form.find(pass.target);
        if (source && target)
            keys->pass_enter(widget(*source), qobject_cast<QAbstractButton*>(widget(*target)));
    }
    keys->watch_all();
}

void ScreenView::focus_first(const ui::Form& form) {
    const FormFocus* row = focus_order(form.name());
    if (!row) return;
    auto takes_focus = [this, &form](const char* name) -> QWidget* {
        const ui::Control* c = form.find(name);
        if (!c) return nullptr;
        if (c->kind() == ui::Kind::Group) c = radio_tab_stop(radios_of(form, c->name()));
        if (!c || !ui::user_can_reach(*c)) return nullptr;
        QWidget* w = widget(*c);
        return w && (w->focusPolicy() & Qt::TabFocus) ? w : nullptr;
    };
    QWidget* target = takes_focus(row->first);
    for (size_t i = 0; !target && i < row->chain.size(); ++i) target = takes_focus(row->chain[i]);
    if (!target) return;
    // Shown as if tabbed to: the style draws the focus frame only after a
    // focus change by the keyboard.
    target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    target->setFocus(Qt::OtherFocusReason);
}

void ScreenView::update_radio_stops(const ui::Control& radio) {
    if (!radio.form()) return;
    const auto radios = radios_of(*radio.form(), radio.group());
    const ui::Control* stop = radio_tab_stop(radios);
    for (const ui::Control* r : radios)
        if (QWidget* w = widget(*r)) w->setFocusPolicy(r == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool ScreenView::radio_arrow(QWidget* radio, bool forward) {
    ui::Control* from = nullptr;
    for (const auto& [control, w] : widgets_)
        if (w == radio) from = const_cast<ui::Control*>(control);
    if (!from || !from->form()) return false;
    ui::Control* next = radio_step(radios_of(*from->form(), from->group()), *from, forward);
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
