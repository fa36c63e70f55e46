#include "qt/screen_view.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>

#include "qt/focus_order.h"
#include "qt/key_handling.h"
#include "qt/qt_text.h"
#include "qt/radio_groups.h"
#include "qt/statement_printer.h"
#include "qt/widget_factory.h"
#include "qt/widget_mirror.h"
#include "qt/window_place.h"
#include "ui/user_actions.h"

namespace scanfee::qtview {

namespace {

// The summary screen opens where it was last closed.
constexpr const char* SUMMARY_FORM = "MAINFORM";

}  // namespace

double screen_scale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi / 96.0 : 1.0;
}

ScreenView::ScreenView(ui::ScreenModel& model, ViewOptions options)
    : model_(model),
      scale_(options.scale > 0 ? options.scale : screen_scale()),
      dispatcher_(std::move(options.endings)),
      print_(std::move(options.print)) {
    if (!print_)
        print_ = [](QWidget* owner, const QString& text) { print_statement_with_dialog(owner, text); };
    UserActionSink sink;
    sink.click = [this](ui::Control& c) { user_action(c, ui::user_click); };
    sink.type = [this](ui::Control& c, const QString& text) {
        user_action(c, [sjis = to_system(text)](ui::Control& target) {
            return ui::user_type(target, sjis);
        });
    };
    sink.select = [this](ui::Control& c, int row) {
        user_action(c, [row](ui::Control& target) { return ui::user_select(target, row); });
    };
    sink.scroll = [this](ui::Control& c, int pos) {
        user_action(c, [pos](ui::Control& target) { return ui::user_scroll(target, pos); });
    };

    for (const auto& form : model_.forms()) build_form(*form, sink);
    model_.add_observer(this);
    if (QWidget* summary = widget(SUMMARY_FORM)) {
        if (const auto place = remembered_place(QString::fromLatin1(SUMMARY_FORM), summary->size())) {
            last_place_ = *place;
            placed_ = true;
        }
    }
    for (const auto& form : model_.forms())
        if (form->visible()) show_form(*form, *widgets_.at(form.get()));
}

ScreenView::~ScreenView() {
    model_.remove_observer(this);
    if (QWidget* summary = widget(SUMMARY_FORM); summary && summary->isVisible())
        remember_summary_place();
}

void ScreenView::build_form(ui::Form& form, const UserActionSink& sink) {
    auto window = std::make_unique<FormWindow>(form);
    window->on_frame_close = [this, &form] { dispatcher_.frame_closed(form); };
    mirror_all(form, *window, scale_);
    widgets_[&form] = window.get();
    for (const auto& control : form.controls()) {
        QWidget* w = create_control_widget(*control, window.get(), sink);
        if (!w) continue;
        widgets_[control.get()] = w;
        mirror_all(*control, *w, scale_);
    }
    stack_controls(form);
    order_focus(form);
    bind_keys(form, *window);
    windows_.push_back(std::move(window));
}

void ScreenView::stack_controls(const ui::Form& form) {
    // As on the platform the screens were designed for: labels are painted on
    // the form itself, under every other control; a group box is a frame
    // behind the radio buttons it holds. Each layer keeps the design order.
    const auto& controls = form.controls();
    for (ui::Kind layer : {ui::Kind::Group, ui::Kind::Label}) {
        for (auto it = controls.rbegin(); it != controls.rend(); ++it)
            if ((*it)->kind() == layer)
                if (QWidget* w = widget(**it)) w->lower();
    }
}

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

void ScreenView::show_form(ui::Form& form, QWidget& window) {
    // A screen takes the place of the one it replaces, so the user's eye
    // stays where it was.
    const bool opening = !window.isVisible();
    if (opening) {
        // A screen shown before the one it replaces is hidden takes that
        // one's place directly.
        for (const auto& other : windows_) {
            if (other.get() != &window && other->isVisible()) {
                last_place_ = other->pos();
                placed_ = true;
            }
        }
        if (placed_) window.move(last_place_);
    }
    window.show();
    window.raise();
    window.activateWindow();
    if (opening) focus_first(form);
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

void ScreenView::remember_summary_place() {
    if (QWidget* summary = widget(SUMMARY_FORM))
        remember_place(QString::fromLatin1(SUMMARY_FORM), summary->pos());
}

void ScreenView::changed(ui::Control& control, ui::Prop prop) {
    QWidget* w = widget(control);
    if (!w) return;
    if (control.kind() == ui::Kind::Form && prop == ui::Prop::Visible) {
        if (control.visible()) {
            show_form(static_cast<ui::Form&>(control), *w);
        } else if (w->isVisible()) {
            last_place_ = w->pos();
            placed_ = true;
            if (ui::same_name(control.name(), SUMMARY_FORM)) remember_summary_place();
            w->hide();
        }
        return;
    }
    mirror(control, *w, prop, scale_);
    if (prop == ui::Prop::Visible || prop == ui::Prop::Enabled) keep_focus_reachable(control, *w);
    if (control.kind() == ui::Kind::Radio &&
        (prop == ui::Prop::Checked || prop == ui::Prop::Visible || prop == ui::Prop::Enabled))
        update_radio_stops(control);
}

void ScreenView::user_action(ui::Control& control, const EventDispatcher::Action& action) {
    dispatcher_.act(control, action);
    // Whether or not the action was taken, the widget shows the model: a
    // radio button clicked again or a check box clicked during another event
    // has changed its own look.
    resync(control);
}

void ScreenView::resync(ui::Control& control) {
    if (QWidget* w = widget(control)) {
        for (ui::Prop prop : {ui::Prop::Text, ui::Prop::Checked, ui::Prop::Items,
                              ui::Prop::Selection, ui::Prop::Scroll})
            mirror(control, *w, prop, scale_);
    }
}

QWidget* ScreenView::widget(const ui::Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QWidget* ScreenView::widget(std::string_view name) const {
    const ui::Control* control = model_.find(name);
    return control ? widget(*control) : nullptr;
}

}  // namespace scanfee::qtview
