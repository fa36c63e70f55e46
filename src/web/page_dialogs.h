#pragma once
// The dialog service of the page: modal HTML dialogs. The handler that opens
// one waits for the user's answer (emscripten's Asyncify), so the program's
// code runs exactly as in the window program.
#include <functional>

#include "ui/dialogs.h"

namespace scanfee::web {

class PageDialogs : public ui::DialogService {
public:
    // Runs before every dialog: the page shows the model's state and the
    // files saved so far are delivered.
    explicit PageDialogs(std::function<void()> before) : before_(std::move(before)) {}

    int message_box(const ui::Form* owner, const std::string& caption, const std::string& text,
                    ui::Buttons buttons, ui::Icon icon) override;
    std::string save_dialog(const ui::Form* owner, const std::string& title,
                            const std::string& default_path, const std::string& filter) override;
    std::string open_dialog(const ui::Form* owner, const std::string& title,
                            const std::string& default_path, const std::string& filter) override;
    std::string input_box(const ui::Form* owner, const std::string& caption,
                          const std::string& prompt, const std::string& default_text) override;

private:
    std::function<void()> before_;
};

}  // namespace scanfee::web
