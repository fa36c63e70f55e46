#include "app/driver/script_dialogs.h"

#include "app/driver/driver_error.h"
#include "runtime/sjis.h"

namespace scanfee::driver {
namespace {

const char* buttons_name(ui::Buttons buttons) {
    switch (buttons) {
        case ui::Buttons::Ok: return "ok";
        case ui::Buttons::OkCancel: return "okcancel";
        case ui::Buttons::AbortRetryIgnore: return "abortretryignore";
        case ui::Buttons::YesNoCancel: return "yesnocancel";
        case ui::Buttons::YesNo: return "yesno";
        case ui::Buttons::RetryCancel: return "retrycancel";
    }
    return "?";
}

const char* icon_name(ui::Icon icon) {
    switch (icon) {
        case ui::Icon::Stop: return "stop";
        case ui::Icon::Question: return "question";
        case ui::Icon::Exclamation: return "exclamation";
        case ui::Icon::Information: return "info";
        case ui::Icon::None: return "none";
    }
    return "?";
}

bool offers(ui::Buttons buttons, QueuedAnswer::Kind kind) {
    using B = ui::Buttons;
    switch (kind) {
        case QueuedAnswer::Ok: return buttons == B::Ok || buttons == B::OkCancel;
        case QueuedAnswer::Cancel:
            return buttons == B::OkCancel || buttons == B::YesNoCancel || buttons == B::RetryCancel;
        case QueuedAnswer::Yes:
        case QueuedAnswer::No: return buttons == B::YesNo || buttons == B::YesNoCancel;
        default: return false;
    }
}

}  // namespace

std::string one_line(const std::string& sjis) {
    std::string text = rt::to_utf8(sjis);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\n";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

QueuedAnswer ScriptDialogs::take(const std::string& opened) {
    if (answers_.empty()) {
        out_ << opened << std::endl;
        throw DriverError("a dialog opened with no queued answer: " + opened);
    }
    QueuedAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

int ScriptDialogs::message_box(const ui::Form*, const std::string& caption,
                               const std::string& text, ui::Buttons buttons, ui::Icon icon) {
    std::string opened = "msgbox|" + one_line(caption) + "|" + one_line(text) + "|" +
                         buttons_name(buttons) + "|" + icon_name(icon);
    QueuedAnswer answer = take(opened);
    if (!offers(buttons, answer.kind)) {
        out_ << opened << std::endl;
        throw DriverError("the queued answer does not fit the message box: " + opened);
    }
    static const char* names[] = {"ok", "cancel", "yes", "no"};
    out_ << opened << " -> " << names[answer.kind] << std::endl;
    switch (answer.kind) {
        case QueuedAnswer::Ok: return ui::ANSWER_OK;
        case QueuedAnswer::Cancel: return ui::ANSWER_CANCEL;
        case QueuedAnswer::Yes: return ui::ANSWER_YES;
        default: return ui::ANSWER_NO;
    }
}

std::string ScriptDialogs::text_reply(const std::string& opened, QueuedAnswer::Kind fits) {
    QueuedAnswer answer = take(opened);
    if (answer.kind == QueuedAnswer::Cancel) {
        out_ << opened << " -> cancel" << std::endl;
        return ui::CANCEL_MARK;
    }
    if (answer.kind != fits) {
        out_ << opened << std::endl;
        throw DriverError("the queued answer does not fit: " + opened);
    }
    // A path is printed as it is; a typed text is the system's own.
    out_ << opened << " -> " << (fits == QueuedAnswer::File ? answer.value : one_line(answer.value))
         << std::endl;
    return answer.value;
}

std::string ScriptDialogs::file_dialog(const char* kind, const std::string& title,
                                       const std::string& default_path,
                                       const std::string& filter) {
    return text_reply(
        std::string(kind) + "|" + one_line(title) + "|" + default_path + "|" + one_line(filter),
        QueuedAnswer::File);
}

std::string ScriptDialogs::save_dialog(const ui::Form*, const std::string& title,
                                       const std::string& default_path,
                                       const std::string& filter) {
    return file_dialog("save", title, default_path, filter);
}

std::string ScriptDialogs::open_dialog(const ui::Form*, const std::string& title,
                                       const std::string& default_path,
                                       const std::string& filter) {
    return file_dialog("open", title, default_path, filter);
}

std::string ScriptDialogs::input_box(const ui::Form*, const std::string& caption,
                                     const std::string& prompt, const std::string& default_text) {
    return text_reply(
        "input|" + one_line(caption) + "|" + one_line(prompt) + "|" + one_line(default_text),
        QueuedAnswer::Text);
}

}  // namespace scanfee::driver
