#pragma once
// The words of the screen tables (screens/forms/*.def) and how a row becomes
// a form or control of the model. Each column has a namespace of its own, so
// a table cell is a bare word ("right", "digits(6)", "hidden").
#include "core/order_state.h"
#include "ui/model.h"

namespace scanfee::screens::rows {

namespace kind {
inline constexpr ui::Kind button = ui::Kind::Button;
inline constexpr ui::Kind check_box = ui::Kind::CheckBox;
inline constexpr ui::Kind radio = ui::Kind::Radio;
inline constexpr ui::Kind group = ui::Kind::Group;
inline constexpr ui::Kind edit = ui::Kind::Edit;
inline constexpr ui::Kind label = ui::Kind::Label;
inline constexpr ui::Kind list = ui::Kind::List;
inline constexpr ui::Kind combo = ui::Kind::Combo;
inline constexpr ui::Kind hscroll = ui::Kind::HScroll;
}  // namespace kind

namespace frame {
inline constexpr ui::FrameStyle resizable = ui::FrameStyle::Resizable;
inline constexpr ui::FrameStyle dialog = ui::FrameStyle::Dialog;
inline constexpr ui::FrameStyle plain = ui::FrameStyle::Plain;
inline constexpr ui::FrameStyle minimisable = ui::FrameStyle::Minimisable;
}  // namespace frame

// How the form stores the names of its buttons: the entry screen and the
// statement screen were designed with "button12" where the others have
// "BUTTON1". Lookups ignore case; the stored spelling is what a view shows.
enum class ButtonNames { upper_case, lower_case };
namespace names {
inline constexpr ButtonNames upper_case = ButtonNames::upper_case;
inline constexpr ButtonNames lower_case = ButtonNames::lower_case;
}  // namespace names

enum class Face { no_font, pgothic, gothic, mincho };
namespace face {
inline constexpr Face no_font = Face::no_font;  // the scroll bar
inline constexpr Face pgothic = Face::pgothic;  // ＭＳ Ｐゴシック
inline constexpr Face gothic = Face::gothic;    // ＭＳ ゴシック
inline constexpr Face mincho = Face::mincho;    // ＭＳ 明朝
}  // namespace face

namespace align {
inline constexpr ui::Align none = ui::Align::Left;  // no text alignment of its own
inline constexpr ui::Align left = ui::Align::Left;
inline constexpr ui::Align centre = ui::Align::Center;
inline constexpr ui::Align right = ui::Align::Right;
}  // namespace align

// What an edit or list box accepts.
struct Limits {
    bool digits_only = false;
    int max_length = 0;
    ui::Ime ime = ui::Ime::Default;
    bool multiple_selection = false;
    bool multiline_read_only = false;
};
namespace limits {
inline constexpr Limits none{};
inline constexpr Limits ime_on{.ime = ui::Ime::On};
// A title: Japanese input on, at most the bytes a slot holds.
inline constexpr Limits title{.max_length = TITLE_MAX_BYTES, .ime = ui::Ime::On};
// Digits only, at most N of them, Japanese input off.
constexpr Limits digits(int n) {
    return {.digits_only = true, .max_length = n, .ime = ui::Ime::Off};
}
inline constexpr Limits multiple_selection{.multiple_selection = true};
inline constexpr Limits multiline_read_only{.multiline_read_only = true};
}  // namespace limits

enum class First { shown, hidden, checked };
namespace first {
inline constexpr First shown = First::shown;
inline constexpr First hidden = First::hidden;
inline constexpr First checked = First::checked;
}  // namespace first

// What a screen reader calls a box, list, combo box or scroll bar: the label
// the design puts beside it, or a name of its own where the design has none;
// a scroll bar also says the unit of its value. A label that shows an amount
// is named so too: by the caption before it, or by what it is the amount of.
struct Name {
    const char* label = "";  // a label of the same form
    const char* text = "";   // UTF-8
    const char* unit = "";   // UTF-8
};
namespace named {
inline constexpr Name none{};
constexpr Name by(const char* label) { return {.label = label}; }
constexpr Name as(const char* text) { return {.text = text}; }
constexpr Name scale(const char* text, const char* unit) { return {.text = text, .unit = unit}; }
}  // namespace named

// Where a control goes in the narrow layout (ui::FlowPlace): row N of the
// flow, in the labels' column, in the boxes' column beside them, or across
// both; a group box from its caption's row N over `rows` rows, its buttons
// in the rows below the caption.
namespace narrow {
constexpr ui::FlowPlace label(int row) { return {row, ui::FlowColumn::Label, 1}; }
constexpr ui::FlowPlace box(int row) { return {row, ui::FlowColumn::Box, 1}; }
constexpr ui::FlowPlace both(int row) { return {row, ui::FlowColumn::Both, 1}; }
constexpr ui::FlowPlace group(int row, int rows) { return {row, ui::FlowColumn::Both, rows}; }
}  // namespace narrow

struct FormRow {
    const char* name;
    const char* caption;  // UTF-8, as in the table
    int width, height;
    ui::FrameStyle frame;
    ButtonNames buttons;
};

struct ControlRow {
    const char* name;
    ui::Kind kind;
    const char* caption;  // UTF-8, as in the table
    ui::Rect place;
    Face face;
    double size;
    ui::Align align;
    ui::Rgb text, back;
    Limits limits;
    First first;
    const char* group;  // the group box of a radio button, or ""
    Name named;
    ui::FlowPlace narrow;
};

ui::Form& add_form(ui::ScreenModel& model, const FormRow& row);
ui::Control& add_control(ui::Form& form, const FormRow& form_row, const ControlRow& row);

}  // namespace scanfee::screens::rows
