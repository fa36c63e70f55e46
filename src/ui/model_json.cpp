#include "ui/model_json.h"

#include <cstdio>

#include "runtime/sjis.h"
#include "ui/keyboard_order.h"
#include "ui/reading_order.h"

namespace scanfee::ui {
namespace {

const char* kind_name(Kind kind) {
    switch (kind) {
        case Kind::Form: return "form";
        case Kind::Button: return "button";
        case Kind::CheckBox: return "check";
        case Kind::Radio: return "radio";
        case Kind::Group: return "group";
        case Kind::Edit: return "edit";
        case Kind::Label: return "label";
        case Kind::List: return "list";
        case Kind::Combo: return "combo";
        case Kind::HScroll: return "hscroll";
    }
    return "";
}

const char* align_name(Align align) {
    switch (align) {
        case Align::Center: return "center";
        case Align::Right: return "right";
        case Align::Left: break;
    }
    return "left";
}

const char* ime_name(Ime ime) {
    switch (ime) {
        case Ime::On: return "on";
        case Ime::Off: return "off";
        case Ime::Default: break;
    }
    return "default";
}

const char* column_name(FlowColumn column) {
    switch (column) {
        case FlowColumn::Label: return "label";
        case FlowColumn::Box: return "box";
        case FlowColumn::Both: break;
    }
    return "both";
}

const char* frame_name(FrameStyle frame) {
    switch (frame) {
        case FrameStyle::Resizable: return "resizable";
        case FrameStyle::Dialog: return "dialog";
        case FrameStyle::Minimisable: return "minimisable";
        case FrameStyle::Plain: break;
    }
    return "plain";
}

std::string colour(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return json_string(text);
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// The fields of one object, joined with commas.
class Fields {
public:
    void add(std::string_view key, const std::string& json) {
        out_ += out_.empty() ? "{" : ",";
        out_ += json_string(key) + ":" + json;
    }
    void add(std::string_view key, bool value) { add(key, std::string(value ? "true" : "false")); }
    void add(std::string_view key, int value) { add(key, std::to_string(value)); }
    void text(std::string_view key, const std::string& sjis) { add(key, json_string(rt::to_utf8(sjis))); }
    std::string close() const { return (out_.empty() ? "{" : out_) + "}"; }

private:
    std::string out_;
};

bool has(PropSet props, Prop prop) { return (props & prop_bit(prop)) != 0; }

void add_state(Fields& f, const Control& c, PropSet props) {
    if (has(props, Prop::Text)) f.text("text", c.text());
    if (has(props, Prop::Visible)) f.add("visible", c.visible());
    if (has(props, Prop::Enabled)) f.add("enabled", c.enabled());
    if (has(props, Prop::Checked)) f.add("checked", c.checked());
    if (has(props, Prop::Items)) {
        std::string items = "[";
        for (const std::string& item : c.items())
            items += (items.size() > 1 ? "," : "") + json_string(rt::to_utf8(item));
        f.add("items", items + "]");
    }
    if (has(props, Prop::Items) || has(props, Prop::Selection)) {
        f.add("selected", c.selected());
        if (c.multi_select()) {
            std::string rows = "[";
            for (int i = 0; i < c.item_count(); ++i)
                if (c.is_item_selected(i)) rows += (rows.size() > 1 ? "," : "") + std::to_string(i);
            f.add("selectedRows", rows + "]");
        }
    }
    if (has(props, Prop::Scroll)) {
        f.add("pos", c.pos());
        f.add("min", c.min());
        f.add("max", c.max());
        f.add("small", c.small_step());
        f.add("large", c.large_step());
    }
    if (has(props, Prop::Limits)) {
        f.add("digitsOnly", c.digits_only());
        f.add("maxLength", c.max_length());
        f.add("ime", json_string(ime_name(c.ime())));
    }
    if (has(props, Prop::Font))
        f.add("font", "{\"face\":" + json_string(rt::to_utf8(c.font().face)) +
                          ",\"size\":" + number(c.font().size) + "}");
    if (has(props, Prop::Colors)) {
        f.add("fg", colour(c.foreground()));
        f.add("bg", colour(c.background()));
    }
    if (has(props, Prop::Geometry)) {
        const Rect& r = c.geometry();
        f.add("x", r.x);
        f.add("y", r.y);
        f.add("w", r.w);
        f.add("h", r.h);
    }
}

Fields describe(const Control& c, PropSet props) {
    Fields f;
    f.add("name", json_string(upper_name(c.name())));
    if (props == ALL_PROPS) {
        f.add("kind", json_string(kind_name(c.kind())));
        f.add("align", json_string(align_name(c.align())));
        f.add("group", json_string(c.group()));
        f.add("labelledBy", json_string(upper_name(c.labelled_by())));
        f.text("ownName", c.own_name());
        f.text("valueUnit", c.value_unit());
        f.add("multiSelect", c.multi_select());
        f.add("multiline", c.multiline());
        f.add("readOnly", c.read_only());
        if (c.kind() != Kind::Form) {
            const FlowPlace& flow = c.flow();
            f.add("flow", "{\"row\":" + std::to_string(flow.row) + ",\"column\":" +
                              json_string(column_name(flow.column)) +
                              ",\"rows\":" + std::to_string(flow.rows) + "}");
        }
    }
    add_state(f, c, props);
    return f;
}

}  // namespace

std::string control_json(const Control& control, PropSet props) { return describe(control, props).close(); }

std::string form_json(const Form& form) {
    Fields f = describe(form, ALL_PROPS);
    f.add("frame", json_string(frame_name(form.frame())));
    std::string controls = "[";
    for (const auto& c : form.controls())
        controls += (controls.size() > 1 ? "," : "") + control_json(*c, ALL_PROPS);
    f.add("controls", controls + "]");
    f.add("escape", escape_leaves(form.name()));
    // Every control, hidden ones too: a view lays its controls out in this
    // order once, for a screen reader and the keyboard alike.
    std::string order = "[";
    for (const Control* c : reading_order(form))
        order += (order.size() > 1 ? "," : "") + json_string(upper_name(c->name()));
    f.add("readingOrder", order + "]");
    std::string enter = "{";
    for (const EnterPass& pass : enter_passes())
        if (same_name(pass.form, form.name()) && form.find(pass.source) && form.find(pass.target))
            enter += (enter.size() > 1 ? "," : "") + json_string(upper_name(pass.source)) + ":" +
                     json_string(upper_name(pass.target));
    f.add("enter", enter + "}");
    return f.close();
}

std::string json_string(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '"' || b == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20 || b == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace scanfee::ui
