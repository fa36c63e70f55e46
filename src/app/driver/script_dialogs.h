#pragma once
// The dialog service of the headless driver: every dialog prints one line
// when it opens and takes the first queued answer.
#include <deque>
#include <ostream>
#include <string>

#include "ui/dialogs.h"

namespace scanfee::driver {

struct QueuedAnswer {
    enum Kind { Ok, Cancel, Yes, No, File, Text } kind;
    std::string value;  // the path (UTF-8) or the text (Shift-JIS)
};

class ScriptDialogs : public ui::DialogService {
public:
    explicit ScriptDialogs(std::ostream& out) : out_(out) {}

    void queue(QueuedAnswer answer) { answers_.push_back(std::move(answer)); }

    int message_box(const ui::Form* owner, const std::string& caption, const std::string& text,
                    ui::Buttons buttons, ui::Icon icon) override;
    std::string save_dialog(const ui::Form* owner, const std::string& title,
                            const std::string& default_path, const std::string& filter) override;
    std::string open_dialog(const ui::Form* owner, const std::string& title,
                            const std::string& default_path, const std::string& filter) override;
    std::string input_box(const ui::Form* owner, const std::string& caption,
                          const std::string& prompt, const std::string& default_text) override;

private:
    std::string file_dialog(const char* kind, const std::string& title,
                            const std::string& default_path, const std::string& filter);
    QueuedAnswer take(const std::string& opened);
    // A file dialog's path or an input box's text, or the cancel mark.
    std::string text_reply(const std::string& opened, QueuedAnswer::Kind fits);

    std::ostream& out_;
    std::deque<QueuedAnswer> answers_;
};

// Shift-JIS text as one UTF-8 line: a CR LF inside it becomes "\n".
std::string one_line(const std::string& sjis);

}  // namespace scanfee::driver
