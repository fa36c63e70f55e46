#include "qt/qt_dialogs.h"

#include "qt/file_dialog.h"
#include "qt/input_box.h"
#include "qt/message_box.h"

namespace scanfee::qtview {

QWidget* QtDialogService::owner_window(const ui::Form* owner) const {
    QWidget* window = owner && owner_lookup_ ? owner_lookup_(owner) : nullptr;
    // A hidden owner would hide its dialog with it on some desktops.
    return window && window->isVisible() ? window : nullptr;
}

int QtDialogService::message_box(const ui::Form* owner, const std::string& caption,
                                 const std::string& text, ui::Buttons buttons, ui::Icon icon) {
    return run_message_box(owner_window(owner), caption, text, buttons, icon);
}

std::string QtDialogService::save_dialog(const ui::Form* owner, const std::string& title,
                                         const std::string& default_path,
                                         const std::string& filter) {
    return run_file_dialog(owner_window(owner), true, title, default_path, filter);
}

std::string QtDialogService::open_dialog(const ui::Form* owner, const std::string& title,
                                         const std::string& default_path,
                                         const std::string& filter) {
    return run_file_dialog(owner_window(owner), false, title, default_path, filter);
}

std::string QtDialogService::input_box(const ui::Form* owner, const std::string& caption,
                                       const std::string& prompt,
                                       const std::string& default_text) {
    return run_input_box(owner_window(owner), caption, prompt, default_text);
}

}  // namespace scanfee::qtview
