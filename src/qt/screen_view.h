#pragma once
// The window program's view of the screen model: one window per form, one
// widget per control, every model change mirrored at once and every user
// action sent through the model to the program's handlers.
#include <QMargins>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "qt/event_dispatch.h"
#include "qt/focus_ring.h"
#include "qt/form_window.h"
#include "qt/paper_printer.h"
#include "qt/widget_factory.h"
#include "ui/model.h"

namespace scanfee::qtview {

struct ViewOptions {
    // Design pixels to screen pixels; 0: the screen's logical DPI / 96.
    double scale = 0;
    RunEndings endings = application_endings();
    // Ctrl+P: the text of the statement screen, or of a written paper
    // chosen on the summary screen, with its document name; the window
    // program's print dialog when empty.
    PrintText print;
};

class ScreenView : public ui::Observer {
public:
    // Builds the windows of every form of `model`, shows those the model
    // shows and observes it. The model must outlive the view.
    explicit ScreenView(ui::ScreenModel& model, ViewOptions options = {});
    ~ScreenView() override;
    ScreenView(const ScreenView&) = delete;
    ScreenView& operator=(const ScreenView&) = delete;

    void changed(ui::Control& control, ui::Prop prop) override;

    // The window of a form or the widget of a control; nullptr if unknown.
    // A screen not shown yet is built when one of its widgets is asked for.
    QWidget* widget(const ui::Control& control);
    QWidget* widget(std::string_view name);
    double scale() const { return scale_; }
    EventDispatcher& dispatcher() { return dispatcher_; }

private:
    void build_form(ui::Form& form);
    QWidget* built_widget(const ui::Control& control) const;
    void stack_controls(const ui::Form& form);
    // The names and the reading order a screen reader finds.
    void name_controls(const ui::Form& form, FormWindow& window);
    void order_focus(const ui::Form& form);
    void bind_keys(ui::Form& form, FormWindow& window);
    void show_form(ui::Form& form, QWidget& window);
    // Fits `window` into the available area of the screen the user works on
    // and moves it wholly inside: to `place` (where the window it replaces
    // stood) as far as that allows, centred when there is none.
    void place_on_screen(const ui::Form& form, FormWindow& window, std::optional<QPoint> place);
    void learn_frame(const QWidget& shown);
    void focus_first(const ui::Form& form);
    void remember_focus(const ui::Form& form, QWidget& window);
    void update_radio_stops(const ui::Control& radio);
    bool radio_arrow(QWidget* radio, bool forward);
    // The control of `form` that holds `focused`, or nullptr.
    const ui::Control* focused_control(const ui::Form& form, const QWidget* focused) const;
    void keep_focus_reachable(const ui::Control& control, QWidget& w);
    void remember_summary_place();
    void user_action(ui::Control& control, const EventDispatcher::Action& action);
    void resync(ui::Control& control);

    ui::ScreenModel& model_;
    double scale_;
    EventDispatcher dispatcher_;
    UserActionSink sink_;
    std::unordered_set<const ui::Form*> built_;
    std::vector<std::unique_ptr<FormWindow>> windows_;
    std::unordered_map<const ui::Control*, QPointer<QWidget>> widgets_;
    PrintText print_;
    FocusRings focus_rings_;
    // Where the focus was when a screen that returns it was hidden.
    std::unordered_map<const ui::Form*, QPointer<QWidget>> left_focus_;
    QPoint last_place_;
    QMargins frame_;
    bool placed_ = false;
};

// Design pixels per screen pixel of the primary screen.
double screen_scale();

}  // namespace scanfee::qtview
