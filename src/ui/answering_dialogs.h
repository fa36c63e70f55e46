#pragma once
// A dialog service for programs that run without a user (benchmarks, fuzz
// targets, view tests): every message box is answered OK at once and
// counted, every file dialog and input box is cancelled.
#include <string>

#include "ui/dialogs.h"

namespace scanfee::ui {

class AnsweringDialogs : public DialogService {
public:
    int boxes = 0;  // message boxes shown so far

    int message_box(const Form*, const std::string&, const std::string&, Buttons, Icon) override {
        ++boxes;
        return ANSWER_OK;
    }
    std::string save_dialog(const Form*, const std::string&, const std::string&,
                            const std::string&) override {
        return CANCEL_MARK;
    }
    std::string open_dialog(const Form*, const std::string&, const std::string&,
                            const std::string&) override {
        return CANCEL_MARK;
    }
    std::string input_box(const Form*, const std::string&, const std::string&,
                          const std::string&) override {
        return CANCEL_MARK;
    }
};

}  // namespace scanfee::ui
