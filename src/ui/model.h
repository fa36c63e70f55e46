#pragma once
// The screen model: forms and controls as plain objects. Handlers change only
// this model; a view (the Qt window program, or nothing at all in the
// headless driver) observes every change and mirrors it. All texts are the
// system's own Shift-JIS bytes.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scanfee::ui {

enum class Kind { Form, Button, CheckBox, Radio, Group, Edit, Label, List, Combo, HScroll };

enum class Align { Left, Center, Right };

// State of the Japanese input method when the box gets the focus.
enum class Ime { Default, On, Off };

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb cyan{0, 255, 255};
inline constexpr Rgb magenta{255, 0, 255};
inline constexpr Rgb purple{128, 0, 128};
inline constexpr Rgb light_grey{192, 192, 192};
inline constexpr Rgb button_face{240, 240, 240};  // the system colour for button faces
}  // namespace colors

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Rect&) const = default;
};

// A control's place in the narrow layout, the one a view shows where its
// window is narrower than the form: a row of a flow of two columns, the
// labels' column, the boxes' column beside it, or both; a group box spans
// its caption's row and the rows of its buttons below it.
enum class FlowColumn { Both, Label, Box };
struct FlowPlace {
    int row = 0;  // from 1, top to bottom
    FlowColumn column = FlowColumn::Both;
    int rows = 1;
    bool operator==(const FlowPlace&) const = default;
};

struct Font {
    std::string face;  // Shift-JIS, as designed ("ＭＳ Ｐゴシック")
    double size = 14;  // character height in pixels
    bool operator==(const Font&) const = default;
};

// What changed, for observers.
enum class Prop {
    Text,       // caption or text
    Visible,
    Enabled,
    Checked,
    Items,      // the item list (and with it the selection)
    Selection,
    Scroll,     // position, range or steps
    Limits,     // digits only, max length, input method
    Font,
    Colors,
    Geometry,
};

class Form;
class ScreenModel;

class Control {
public:
    Control(Kind kind, std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }  // as designed; lookups ignore case
    Form* form() const { return form_; }

    // Caption of a button, check box, radio button, group box or form; text
    // of an edit box, label or the combo box's edit field.
    const std::string& text() const { return text_; }
    void set_text(std::string text);

    bool visible() const { return visible_; }
    void set_visible(bool visible);
    void show() { set_visible(true); }
    void hide() { set_visible(false); }
    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);

    // Check boxes and radio buttons: 0 or 1.
    int checked() const { return checked_; }
    void set_checked(int checked);

    // List and combo boxes.
    const std::vector<std::string>& items() const { return items_; }
    void clear_items();
    void add_item(std::string item);
    int item_count() const { return static_cast<int>(items_.size()); }
    int selected() const { return selected_; }  // -1 for none
    void set_selected(int index);
    bool multi_select() const { return multi_select_; }
    bool is_item_selected(int index) const;  // multiple-selection list
    void set_item_selected(int index, bool selected);
    int selected_count() const;

    // The scroll bar.
    int pos() const { return pos_; }
    void set_pos(int pos);  // clamped to the range
    int min() const { return min_; }
    int max() const { return max_; }
    int small_step() const { return small_step_; }
    int large_step() const { return large_step_; }
    void set_range(int min, int max);
    void set_steps(int small, int large);

    // Input limits of edit and combo boxes. max_length counts bytes of the
    // system's text (0: no limit).
    bool digits_only() const { return digits_only_; }
    int max_length() const { return max_length_; }
    Ime ime() const { return ime_; }
    void set_digits_only(bool on);
    void set_max_length(int bytes);
    void set_ime(Ime mode);
    // The text a user's typing would leave in the box under its limits:
    // control characters (a pasted tab or line end) are dropped, a
    // digits-only box takes full-width digits as digits and drops every
    // other character, a box with the input method off (for half-width
    // entry) takes them as digits among its other characters, a length
    // limit cuts the rest at a character boundary.
    std::string limit_input(std::string_view typed) const;
    // The same without the length limit.
    std::string filter_input(std::string_view typed) const;

    bool multiline() const { return multiline_; }
    bool read_only() const { return read_only_; }

    const Font& font() const { return font_; }
    void set_font(Font font);
    void set_font_face(std::string face);
    void set_font_size(double size);
    Rgb foreground() const { return fg_; }
    Rgb background() const { return bg_; }
    void set_colors(Rgb fg, Rgb bg);
    Align align() const { return align_; }
    const Rect& geometry() const { return geometry_; }
    void set_geometry(Rect r);

    // Radio buttons: the group box whose radio buttons exclude each other.
    const std::string& group() const { return group_; }

    // What a screen reader calls the control: the label of the same form
    // whose text names it (a control name, "" for none), else a name of its
    // own; the unit a scroll bar's value is spoken with.
    const std::string& labelled_by() const { return labelled_by_; }
    const std::string& own_name() const { return own_name_; }
    const std::string& value_unit() const { return value_unit_; }

    const FlowPlace& flow() const { return flow_; }

    // Design-time setup, used while the screens are defined.
    Control& at(int x, int y, int w, int h);
    Control& with_font(std::string face, double size);
    Control& with_colors(Rgb fg, Rgb bg);
    Control& aligned(Align a);
    Control& hidden();
    Control& checked_at_first();
    Control& in_group(std::string group);
    Control& digits(int max_length);
    Control& limited(int max_length);
    Control& input_method(Ime mode);
    Control& multiple_selection();
    Control& multiline_read_only();
    Control& named(std::string label, std::string text, std::string unit);
    Control& flows(FlowPlace place);

protected:
    void notify(Prop prop);

private:
    friend class Form;
    friend class ScreenModel;
    Kind kind_;
    std::string name_;
    Form* form_ = nullptr;
    ScreenModel* model_ = nullptr;
    std::string text_;
    bool visible_ = true;
    bool enabled_ = true;
    int checked_ = 0;
    std::vector<std::string> items_;
    int selected_ = -1;
    bool multi_select_ = false;
    std::vector<bool> item_selected_;
    int pos_ = 0, min_ = 0, max_ = 32767, small_step_ = 1, large_step_ = 16;
    bool digits_only_ = false;
    int max_length_ = 0;
    Ime ime_ = Ime::Default;
    bool multiline_ = false;
    bool read_only_ = false;
    Font font_;
    Rgb fg_ = colors::black;
    Rgb bg_ = colors::white;
    Align align_ = Align::Left;
    Rect geometry_;
    std::string group_;
    std::string labelled_by_, own_name_, value_unit_;
    FlowPlace flow_;
};

enum class FrameStyle { Resizable, Dialog, Plain, Minimisable };

class Form : public Control {
public:
    Form(std::string name, std::string caption, int width, int height, FrameStyle style);

    FrameStyle frame() const { return frame_; }
    // Adds a control at design time; the form owns it.
    Control& add(Kind kind, std::string name, std::string caption = {});
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
    Control* find(std::string_view name) const;  // ignores case

private:
    FrameStyle frame_;
    std::vector<std::unique_ptr<Control>> controls_;
};

// A view of the model: told of every change after it happened.
class Observer {
public:
    virtual ~Observer() = default;
    virtual void changed(Control& control, Prop prop) = 0;
};

class ScreenModel {
public:
    ScreenModel() = default;
    ScreenModel(const ScreenModel&) = delete;
    ScreenModel& operator=(const ScreenModel&) = delete;

    Form& add_form(std::string name, std::string caption, int width, int height, FrameStyle style);
    const std::vector<std::unique_ptr<Form>>& forms() const { return forms_; }
    Form* find_form(std::string_view name) const;                 // ignores case
    Control* find(std::string_view name) const;                   // a form or any control
    Control* find(std::string_view form, std::string_view name) const;

    void add_observer(Observer* observer);
    void remove_observer(Observer* observer);
    void notify(Control& control, Prop prop);

private:
    friend class Form;
    std::vector<std::unique_ptr<Form>> forms_;
    std::vector<Observer*> observers_;
};

// Case-insensitive comparison of ASCII names.
bool same_name(std::string_view a, std::string_view b);
std::string upper_name(std::string_view name);

}  // namespace scanfee::ui
