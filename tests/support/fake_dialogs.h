#pragma once
// A dialog service for unit tests: records every dialog and answers from a
// queue (OK for message boxes when the queue is empty).
#include <deque>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace scanfee::testing {

struct SeenDialog {
    std::string kind;  // "msgbox", "save", "open", "input"
    std::string caption;
    std::string text;
    ui::Buttons buttons = ui::Buttons::Ok;
    ui::Icon icon = ui::Icon::None;
    std::string filter;  // file dialogs
};

class FakeDialogs : public ui::DialogService {
public:
    std::vector<SeenDialog> seen;
    std::deque<int> answers;           // message box results
    std::deque<std::string> replies;   // file dialogs and input boxes

    int message_box(const ui::Form*, const std::string& caption, const std::string& text,
                    ui::Buttons buttons, ui::Icon icon) override {
        seen.push_back({"msgbox", caption, text, buttons, icon, {}});
        if (answers.empty()) return ui::ANSWER_OK;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string save_dialog(const ui::Form*, const std::string& title, const std::string& path,
                            const std::string& filter) override {
        seen.push_back({"save", title, path, ui::Buttons::Ok, ui::Icon::None, filter});
        return reply();
    }
    std::string open_dialog(const ui::Form*, const std::string& title, const std::string& path,
                            const std::string& filter) override {
        seen.push_back({"open", title, path, ui::Buttons::Ok, ui::Icon::None, filter});
        return reply();
    }
    std::string input_box(const ui::Form*, const std::string& caption, const std::string& prompt,
                          const std::string&) override {
        seen.push_back({"input", caption, prompt, ui::Buttons::Ok, ui::Icon::None, {}});
        return reply();
    }

private:
    std::string reply() {
        if (replies.empty()) return ui::CANCEL_MARK;
        std::string r = replies.front();
        replies.pop_front();
        return r;
    }
};

}  // namespace scanfee::testing
