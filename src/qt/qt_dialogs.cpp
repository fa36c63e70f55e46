#include "qt/qt_dialogs.h"

#include <QApplication>
#include <QPointer>

#include "qt/file_dialog.h"
#include "qt/input_box.h"
#include "qt/message_box.h"

namespace scanfee::qtview {

namespace {

// The control that had the focus when a dialog opened has it again once the
// dialog is answered, in its window made active again: the user goes on
// where they were, and a screen reader says where that is.
class FocusReturn {
public:
    FocusReturn() : focused_(QApplication::focusWidget()) {}
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;
    ~FocusReturn() {
        QWidget* w = focused_.data();
        if (!w || !w->isVisible() || !w->isEnabled()) return;
        w->window()->activateWindow();
        w->setFocus(Qt::OtherFocusReason);
    }

private:
    QPointer<QWidget> focused_;
};

}  // namespace

QWidget* QtDialogService::owner_window(const ui::Form* owner) const {
    QWidget* window = owner && owner_lookup_ ? owner_lookup_(owner) : nullptr;
    // A hidden owner would hide its dialog with it on some desktops.
    return window && window->isVisible() ? window : nullptr;
}

int QtDialogService::message_box(const ui::Form* owner, const std::string& caption,
                                 const std::string& text, ui::Buttons buttons, ui::Icon icon) {
    const FocusReturn focus;
    return run_message_box(owner_window(owner), caption, text, buttons, icon);
}

std::string QtDialogService::save_dialog(const ui::Form* owner, const std::string& title,
                                         const std::string& default_path,
                                         const std::string& filter) {
    const FocusReturn focus;
    return run_file_dialog(owner_window(owner), true, title, default_path, filter);
}

std::string QtDialogService::open_dialog(const ui::Form* owner, const std::string& title,
                                         const std::string& default_path,
                                         const std::string& filter) {
    const FocusReturn focus;
    return run_file_dialog(owner_window(owner), false, title, default_path, filter);
}

std::string QtDialogService::input_box(const ui::Form* owner, const std::string& caption,
                                       const std::string& prompt,
                                       const std::string& default_text) {
    const FocusReturn focus;
    return run_input_box(owner_window(owner), caption, prompt, default_text);
}

}  // namespace scanfee::qtview
