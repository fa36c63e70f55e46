#include "qt/screen_view.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QRadioButton>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

#include "qt/accessibility.h"
#include "qt/qt_text.h"
#include "qt/paper_printer.h"
#include "qt/widget_factory.h"
#include "qt/widget_mirror.h"
#include "qt/window_place.h"
#include "ui/reading_order.h"
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
      print_(std::move(options.print)),
      focus_rings_([](QWidget* w) {
          // The styles show no focus on these (lists, the statement text,
          // the scroll bar), or one too faint to find (a dotted square
          // inside a check box or radio button).
          return dynamic_cast<FormWindow*>(w->window()) &&
                 (qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QScrollBar*>(w) ||
                  qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w));
      }) {
    install_accessibility();
    if (!print_) print_ = [](QWidget* owner, const QString& text, const QString& name) {
        print_with_dialog(owner, text, name);
    };
    sink_.click = [this](ui::Control& c) { user_action(c, ui::user_click); };
    sink_.type = [this](ui::Control& c, const QString& text) {
        user_action(c, [sjis = to_system(text)](ui::Control& target) {
            return ui::user_type(target, sjis);
        });
    };
    sink_.select = [this](ui::Control& c, int row) {
        user_action(c, [row](ui::Control& target) { return ui::user_select(target, row); });
    };
    sink_.scroll = [this](ui::Control& c, int pos) {
        user_action(c, [pos](ui::Control& target) { return ui::user_scroll(target, pos); });
    };

    // Only the screens shown at start are built now; every other one when it
    // is first shown or asked for, from the model's state at that moment.
    for (const auto& form : model_.forms())
        if (form->visible()) build_form(*form);
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

void ScreenView::build_form(ui::Form& form) {
    if (!built_.insert(&form).second) return;
    const UserActionSink& sink = sink_;
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
    name_controls(form, *window);
    order_focus(form);
    bind_keys(form, *window);
    windows_.push_back(std::move(window));
}

void ScreenView::name_controls(const ui::Form& form, FormWindow& window) {
    for (const auto& control : form.controls()) {
        QWidget* w = built_widget(*control);
        const ui::Control* label = control->labelled_by().empty() ? nullptr : form.find(control->labelled_by());
        if (w) name_control(*control, *w, label ? built_widget(*label) : nullptr);
    }
    std::vector<QPointer<QWidget>> order;
    for (const ui::Control* control : ui::reading_order(form))
        if (QWidget* w = built_widget(*control)) order.emplace_back(w);
    window.set_reading_order(std::move(order));
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
                learn_frame(*other);
            }
        }
        if (auto* form_window = dynamic_cast<FormWindow*>(&window))
            place_on_screen(form, *form_window, placed_ ? std::optional<QPoint>(last_place_) : std::nullopt);
        for (const auto& control : form.controls())
            if (control->kind() == ui::Kind::Label)
                if (QWidget* w = widget(*control)) fit_pending_label(*control, *w, scale_);
    }
    window.show();
    if (auto* form_window = dynamic_cast<FormWindow*>(&window); opening && form_window) {
        // The first window shown tells the frame the desktop gives it.
        const QMargins guessed = frame_;
        learn_frame(window);
        if (frame_ != guessed) place_on_screen(form, *form_window, window.pos());
    }
    window.raise();
    window.activateWindow();
    if (opening) focus_first(form);
}

void ScreenView::learn_frame(const QWidget& shown) {
    // The desktop's frame around a window is known once one is shown; the
    // windows of one program get the same.
    const QRect outer = shown.frameGeometry(), inner = shown.geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0 && frame.bottom() >= 0 &&
        !frame.isNull())
        frame_ = frame;
}

void ScreenView::place_on_screen(const ui::Form& form, FormWindow& window, std::optional<QPoint> place) {
    // The screen the user works on: the one under the caption bar of the
    // window this one replaces, else the one the summary stands on.
    QScreen* screen = nullptr;
    if (place) screen = QGuiApplication::screenAt(*place + QPoint(frame_.left() + 8, frame_.top() / 2 + 1));
    const ui::Control* summary = model_.find(SUMMARY_FORM);
    if (!screen && summary)
        if (QWidget* shown = built_widget(*summary)) screen = shown->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect room = screen->availableGeometry();
    // At a fractional scale the logical area is rounded, and may reach half
    // a pixel beyond the screen's last one.
    if (const double dpr = screen->devicePixelRatio(); dpr != std::floor(dpr))
        room.adjust(0, 0, -1, -1);
    const QSize edges(frame_.left() + frame_.right(), frame_.top() + frame_.bottom());
    const bool scrolled = window.scrolled();
    window.fit_within(room.size() - edges);
    // The controls moved into the scrolled area keep their keyboard order.
    if (window.scrolled() != scrolled) order_focus(form);
    const QSize outer = window.size() + edges;
    window.move(inside_room(place ? *place : centred_in(outer, room), outer, room));
}

void ScreenView::remember_summary_place() {
    if (QWidget* summary = widget(SUMMARY_FORM))
        remember_place(QString::fromLatin1(SUMMARY_FORM), summary->pos());
}

void ScreenView::changed(ui::Control& control, ui::Prop prop) {
    QWidget* w = built_widget(control);
    if (!w && control.kind() == ui::Kind::Form && prop == ui::Prop::Visible && control.visible()) {
        build_form(static_cast<ui::Form&>(control));
        w = built_widget(control);
    }
    // A screen not built yet takes the model's state when it is.
    if (!w) return;
    if (control.kind() == ui::Kind::Form && prop == ui::Prop::Visible) {
        if (control.visible()) {
            show_form(static_cast<ui::Form&>(control), *w);
        } else if (w->isVisible()) {
            last_place_ = w->pos();
            placed_ = true;
            if (ui::same_name(control.name(), SUMMARY_FORM)) remember_summary_place();
            remember_focus(static_cast<ui::Form&>(control), *w);
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
    if (QWidget* w = built_widget(control)) {
        for (ui::Prop prop : {ui::Prop::Text, ui::Prop::Checked, ui::Prop::Items,
                              ui::Prop::Selection, ui::Prop::Scroll})
            mirror(control, *w, prop, scale_);
    }
}

QWidget* ScreenView::widget(const ui::Control& control) {
    const ui::Form* form =
        control.kind() == ui::Kind::Form ? static_cast<const ui::Form*>(&control) : control.form();
    if (form && !built_.count(form))
        for (const auto& owned : model_.forms())
            if (owned.get() == form) build_form(*owned);
    return built_widget(control);
}

QWidget* ScreenView::built_widget(const ui::Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second.data();
}

QWidget* ScreenView::widget(std::string_view name) {
    const ui::Control* control = model_.find(name);
    return control ? widget(*control) : nullptr;
}

}  // namespace scanfee::qtview
