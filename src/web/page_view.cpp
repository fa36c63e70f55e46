#include "web/page_view.h"

#include <emscripten.h>

#include "ui/keyboard_order.h"

namespace scanfee::web {
namespace {

EM_JS(void, page_update, (const char* json), { Module.page.update(JSON.parse(UTF8ToString(json))); });

EM_JS(void, page_ended, (int by_failure), { Module.page.ended(by_failure != 0); });

// What a user action may have changed on its own control.
constexpr ui::PropSet RESYNCED = ui::prop_bit(ui::Prop::Text) | ui::prop_bit(ui::Prop::Checked) |
                                 ui::prop_bit(ui::Prop::Items) | ui::prop_bit(ui::Prop::Selection) |
                                 ui::prop_bit(ui::Prop::Scroll);

std::string joined(const std::vector<std::string>& parts) {
    std::string out = "[";
    for (const std::string& part : parts) out += (out.size() > 1 ? "," : "") + part;
    return out + "]";
}

}  // namespace

PageView::PageView(ui::ScreenModel& model) : model_(model) { model_.add_observer(this); }

PageView::~PageView() { model_.remove_observer(this); }

void PageView::mark(const ui::Control& control, ui::PropSet props) {
    auto [it, added] = dirty_.emplace(&control, props);
    if (added)
        order_.push_back(&control);
    else
        it->second |= props;
}

void PageView::changed(ui::Control& control, ui::Prop prop) {
    mark(control, ui::prop_bit(prop));
    if (control.kind() == ui::Kind::Form && prop == ui::Prop::Visible && control.visible())
        opened_.push_back(static_cast<const ui::Form*>(&control));
}

void PageView::resync(const ui::Control& control, const std::string* typed) {
    mark(control, RESYNCED);
    if (typed) typed_[&control] = *typed;
}

void PageView::flush() {
    std::vector<std::string> forms, changes, opened;
    std::unordered_set<const ui::Form*> fresh;
    for (const auto& form : model_.forms()) {
        if (!described_.insert(form.get()).second) continue;
        fresh.insert(form.get());
        forms.push_back(ui::form_json(*form));
    }
    for (const ui::Control* control : order_) {
        const ui::Form* form = control->kind() == ui::Kind::Form
                                   ? static_cast<const ui::Form*>(control)
                                   : control->form();
        // A form sent whole just now holds its latest state already.
        if (fresh.count(form)) continue;
        ui::PropSet props = dirty_[control];
        if (props & ui::prop_bit(ui::Prop::Items)) {
            std::vector<std::string>& sent = sent_items_[control];
            if (control->items() == sent)
                props = (props & ~ui::prop_bit(ui::Prop::Items)) | ui::prop_bit(ui::Prop::Selection);
            else
                sent = control->items();
        }
        std::string change = ui::control_json(*control, props);
        // The box already shows what the model holds: the page keeps the
        // user's text (a WAVE DASH stays as typed), caret and selection.
        auto typed = typed_.find(control);
        if (typed != typed_.end() && typed->second == control->text())
            change.insert(change.size() - 1, ",\"asTyped\":true");
        changes.push_back(std::move(change));
    }
    for (const ui::Form* form : opened_) {
        if (!form->visible()) continue;
        const ui::Control* focus = ui::first_focus(*form);
        const ui::FormFocus* row = ui::focus_order(form->name());
        opened.push_back("{\"form\":" + ui::json_string(ui::upper_name(form->name())) +
                         ",\"focus\":" + ui::json_string(focus ? ui::upper_name(focus->name()) : "") +
                         ",\"returnsFocus\":" + (row && row->returns_focus ? "true" : "false") + "}");
    }
    order_.clear();
    dirty_.clear();
    typed_.clear();
    opened_.clear();
    if (forms.empty() && changes.empty() && opened.empty()) return;
    const std::string message = "{\"forms\":" + joined(forms) + ",\"changes\":" + joined(changes) +
                                ",\"opened\":" + joined(opened) + "}";
    page_update(message.c_str());
}

void PageView::ended(bool by_failure) {
    flush();
    page_ended(by_failure ? 1 : 0);
}

}  // namespace scanfee::web
