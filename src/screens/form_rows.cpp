#include "screens/form_rows.h"

#include "runtime/sjis.h"

namespace scanfee::screens::rows {
namespace {

const std::string& face_name(Face face) {
    static const std::string pgothic = rt::to_sjis("ＭＳ Ｐゴシック");
    static const std::string gothic = rt::to_sjis("ＭＳ ゴシック");
    static const std::string mincho = rt::to_sjis("ＭＳ 明朝");
    static const std::string none;
    switch (face) {
        case Face::pgothic: return pgothic;
        case Face::gothic: return gothic;
        case Face::mincho: return mincho;
        case Face::no_font: break;
    }
    return none;
}

std::string stored_name(const FormRow& form, const ControlRow& row) {
    std::string name = row.name;
    if (form.buttons == ButtonNames::lower_case && row.kind == ui::Kind::Button)
        for (char& c : name)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

}  // namespace

ui::Form& add_form(ui::ScreenModel& model, const FormRow& row) {
    return model.add_form(row.name, rt::to_sjis(row.caption), row.width, row.height, row.frame);
}

ui::Control& add_control(ui::Form& form, const FormRow& form_row, const ControlRow& row) {
    ui::Control& c = form.add(row.kind, stored_name(form_row, row), rt::to_sjis(row.caption));
    c.at(row.place.x, row.place.y, row.place.w, row.place.h);
    if (row.face != Face::no_font) c.with_font(face_name(row.face), row.size);
    c.with_colors(row.text, row.back).aligned(row.align);
    const Limits& l = row.limits;
    if (l.digits_only) c.digits(l.max_length);
    if (l.ime != ui::Ime::Default) c.input_method(l.ime);
    if (l.multiple_selection) c.multiple_selection();
    if (l.multiline_read_only) c.multiline_read_only();
    if (row.first == First::hidden) c.hidden();
    if (row.first == First::checked) c.checked_at_first();
    if (*row.group) c.in_group(row.group);
    if (*row.named.label || *row.named.text)
        c.named(row.named.label, rt::to_sjis(row.named.text), rt::to_sjis(row.named.unit));
    c.flows(row.narrow);
    return c;
}

}  // namespace scanfee::screens::rows
