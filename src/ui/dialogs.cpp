#include "ui/dialogs.h"

#include <stdexcept>

#include "runtime/fatal.h"
#include "runtime/sjis.h"

namespace scanfee::ui {
namespace {

DialogService* current_service = nullptr;

void check_length(const std::string& text) {
    if (text.size() > DIALOG_TEXT_LIMIT) SCANFEE_FATAL(rt::ERR_INVALID_ARGUMENT);
}

}  // namespace

void set_dialog_service(DialogService* service) { current_service = service; }

DialogService& dialogs() {
    if (!current_service) throw std::logic_error("no dialog service set");
    return *current_service;
}

int message_box(const Form* owner, const std::string& caption, const std::string& text,
                Buttons buttons, Icon icon) {
    return dialogs().message_box(owner, caption, text, buttons, icon);
}

std::string save_dialog(const Form* owner, const std::string& title,
                        const std::string& default_path, const std::string& filter) {
    check_length(title);
    return dialogs().save_dialog(owner, title, default_path, filter);
}

std::string open_dialog(const Form* owner, const std::string& title,
                        const std::string& default_path, const std::string& filter) {
    check_length(title);
    return dialogs().open_dialog(owner, title, default_path, filter);
}

std::string input_box(const Form* owner, const std::string& caption, const std::string& prompt,
                      const std::string& default_text) {
    check_length(caption);
    check_length(prompt);
    check_length(default_text);
    std::string typed = dialogs().input_box(owner, caption, prompt, default_text);
    if (typed == CANCEL_MARK) return typed;
    // The field holds at most 64 bytes, and never half of a two-byte character.
    size_t kept = 0;
    while (kept < typed.size()) {
        size_t n = rt::is_lead_byte(static_cast<unsigned char>(typed[kept])) ? 2 : 1;
        if (kept + n > DIALOG_TEXT_LIMIT || kept + n > typed.size()) break;
        kept += n;
    }
    typed.resize(kept);
    return typed;
}

}  // namespace scanfee::ui
