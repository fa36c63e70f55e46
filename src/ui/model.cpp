#include "ui/model.h"

#include <algorithm>
#include <cctype>

#include "runtime/gcc12_false_positives.h"
#include "runtime/sjis.h"
#include "ui/typed_text.h"

namespace scanfee::ui {

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::string upper_name(std::string_view name) {
    std::string out(name);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

Control::Control(Kind kind, std::string name) : kind_(kind), name_(std::move(name)) {}

void Control::notify(Prop prop) {
    if (model_) model_->notify(*this, prop);
}

void Control::set_text(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    notify(Prop::Text);
}

void Control::set_visible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    notify(Prop::Visible);
}

void Control::set_enabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    notify(Prop::Enabled);
}

void Control::set_checked(int checked) {
    checked = checked ? 1 : 0;
    if (checked == checked_) return;
    checked_ = checked;
    notify(Prop::Checked);
}

void Control::clear_items() {
    items_.clear();
    item_selected_.clear();
    selected_ = -1;
    notify(Prop::Items);
}

void Control::add_item(std::string item) {
    items_.push_back(std::move(item));
    item_selected_.push_back(false);
    notify(Prop::Items);
}

void Control::set_selected(int index) {
    if (index < -1 || index >= item_count()) index = -1;
    if (index == selected_) return;
    selected_ = index;
    notify(Prop::Selection);
}

bool Control::is_item_selected(int index) const {
    if (index < 0 || index >= item_count()) return false;
    return multi_select_ ? bool(item_selected_[size_t(index)]) : index == selected_;
}

void Control::set_item_selected(int index, bool selected) {
    if (index < 0 || index >= item_count()) return;
    if (!multi_select_) {
        set_selected(selected ? index : (index == selected_ ? -1 : selected_));
        return;
    }
    if (bool(item_selected_[size_t(index)]) == selected && selected_ == index) return;
    item_selected_[size_t(index)] = selected;
    selected_ = index;  // the caret row of a multiple-selection list
    notify(Prop::Selection);
}

int Control::selected_count() const {
    if (!multi_select_) return selected_ >= 0 ? 1 : 0;
    return static_cast<int>(std::count(item_selected_.begin(), item_selected_.end(), true));
}

void Control::set_pos(int pos) {
    pos = std::clamp(pos, min_, std::max(min_, max_));
    if (pos == pos_) return;
    pos_ = pos;
    notify(Prop::Scroll);
}

void Control::set_range(int min, int max) {
    min_ = min;
    max_ = max;
    pos_ = std::clamp(pos_, min_, std::max(min_, max_));
    notify(Prop::Scroll);
}

void Control::set_steps(int small, int large) {
    small_step_ = small;
    large_step_ = large;
    notify(Prop::Scroll);
}

void Control::set_digits_only(bool on) {
    digits_only_ = on;
    notify(Prop::Limits);
}

void Control::set_max_length(int bytes) {
    max_length_ = bytes;
    notify(Prop::Limits);
}

void Control::set_ime(Ime mode) {
    ime_ = mode;
    notify(Prop::Limits);
}

std::string Control::filter_input(std::string_view typed) const {
    std::string out;
    for (size_t i = 0; i < typed.size();) {
        unsigned char b = static_cast<unsigned char>(typed[i]);
        size_t n = rt::is_lead_byte(b) && i + 1 < typed.size() ? 2 : 1;
        std::string_view character = typed.substr(i, n);
        i += n;
        // A pasted tab or line end would reach the papers and the files.
        if (n == 1 && (b < 0x20 || b == 0x7F)) continue;
        const std::optional<char> digit = typed_digit(character);
        if (digit && (digits_only_ || ime_ == Ime::Off)) {
            out += *digit;
        } else if (!digits_only_) {
            out.append(character);
        }
    }
    return out;
}

std::string Control::limit_input(std::string_view typed) const {
    std::string out = filter_input(typed);
    if (max_length_ <= 0 || out.size() <= size_t(max_length_)) return out;
    // Cut at a character boundary.
    size_t end = 0;
    for (size_t i = 0; i < out.size();) {
        size_t n = rt::is_lead_byte(static_cast<unsigned char>(out[i])) && i + 1 < out.size() ? 2 : 1;
        if (i + n > size_t(max_length_)) break;
        i += n;
        end = i;
    }
    out.resize(end);
    return out;
}

void Control::set_font(Font font) {
    if (font == font_) return;
    font_ = std::move(font);
    notify(Prop::Font);
}

void Control::set_font_face(std::string face) {
    Font f = font_;
    f.face = std::move(face);
    set_font(std::move(f));
}

void Control::set_font_size(double size) {
    Font f = font_;
    f.size = size;
    set_font(std::move(f));
}

void Control::set_colors(Rgb fg, Rgb bg) {
    fg_ = fg;
    bg_ = bg;
    notify(Prop::Colors);
}

void Control::set_geometry(Rect r) {
    geometry_ = r;
    notify(Prop::Geometry);
}

Control& Control::at(int x, int y, int w, int h) {
    geometry_ = {x, y, w, h};
    return *this;
}
Control& Control::with_font(std::string face, double size) {
    font_ = {std::move(face), size};
    return *this;
}
Control& Control::with_colors(Rgb fg, Rgb bg) {
    fg_ = fg;
    bg_ = bg;
    return *this;
}
Control& Control::aligned(Align a) {
    align_ = a;
    return *this;
}
Control& Control::hidden() {
    visible_ = false;
    return *this;
}
Control& Control::checked_at_first() {
    checked_ = 1;
    return *this;
}
Control& Control::named(std::string label, std::string text, std::string unit) {
    labelled_by_ = std::move(label);
    own_name_ = std::move(text);
    value_unit_ = std::move(unit);
    return *this;
}
Control& Control::flows(FlowPlace place) {
    flow_ = place;
    return *this;
}
Control& Control::in_group(std::string group) {
    group_ = std::move(group);
    return *this;
}
Control& Control::digits(int max_length) {
    digits_only_ = true;
    max_length_ = max_length;
    ime_ = Ime::Off;
    return *this;
}
Control& Control::limited(int max_length) {
    max_length_ = max_length;
    return *this;
}
Control& Control::input_method(Ime mode) {
    ime_ = mode;
    return *this;
}
Control& Control::multiple_selection() {
    multi_select_ = true;
    return *this;
}
Control& Control::multiline_read_only() {
    multiline_ = true;
    read_only_ = true;
    return *this;
}

// set_text(std::move(caption)) inlined here compares the moved-in text: GCC
// 12's false -Wmaybe-uninitialized (gcc12_false_positives.h).
SCANFEE_GCC12_FALSE_POSITIVE_BEGIN("-Wmaybe-uninitialized")
Form::Form(std::string name, std::string caption, int width, int height, FrameStyle style)
    : Control(Kind::Form, std::move(name)), frame_(style) {
    set_text(std::move(caption));
    at(0, 0, width, height);
    with_colors(colors::black, colors::button_face);
    hidden();
}
SCANFEE_GCC12_FALSE_POSITIVE_END

Control& Form::add(Kind kind, std::string name, std::string caption) {
    auto control = std::make_unique<Control>(kind, std::move(name));
    control->form_ = this;
    control->model_ = model_;
    control->text_ = std::move(caption);
    controls_.push_back(std::move(control));
    return *controls_.back();
}

Control* Form::find(std::string_view name) const {
    for (const auto& c : controls_)
        if (same_name(c->name(), name)) return c.get();
    return nullptr;
}

Form& ScreenModel::add_form(std::string name, std::string caption, int width, int height,
                            FrameStyle style) {
    auto form = std::make_unique<Form>(std::move(name), std::move(caption), width, height, style);
    form->model_ = this;
    form->form_ = form.get();
    forms_.push_back(std::move(form));
    return *forms_.back();
}

Form* ScreenModel::find_form(std::string_view name) const {
    for (const auto& f : forms_)
        if (same_name(f->name(), name)) return f.get();
    return nullptr;
}

Control* ScreenModel::find(std::string_view name) const {
    if (Form* f = find_form(name)) return f;
    for (const auto& f : forms_)
        if (Control* c = f->find(name)) return c;
    return nullptr;
}

Control* ScreenModel::find(std::string_view form, std::string_view name) const {
    Form* f = find_form(form);
    return f ? f->find(name) : nullptr;
}

void ScreenModel::add_observer(Observer* observer) { observers_.push_back(observer); }

void ScreenModel::remove_observer(Observer* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void ScreenModel::notify(Control& control, Prop prop) {
    // Copy: an observer may remove itself while being told.
    auto observers = observers_;
    for (Observer* o : observers) o->changed(control, prop);
}

}  // namespace scanfee::ui
