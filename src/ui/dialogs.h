#pragma once
// The dialog service: message boxes, the save and open dialogs and the input
// box. The window program implements it with real dialogs, the driver with a
// queue of scripted answers. Captions, texts, titles, prompts and filters are
// the system's Shift-JIS text; paths are native UTF-8 paths.
#include <string>

namespace scanfee::ui {

class Form;

enum class Buttons : int { Ok = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class Icon : int { Stop = 0, Question = 1, Exclamation = 2, Information = 3, None = 4 };

// Message box results.
enum Answer : int { ANSWER_OK = 0, ANSWER_CANCEL = 1, ANSWER_ABORT = 2, ANSWER_RETRY = 3,
                    ANSWER_IGNORE = 4, ANSWER_YES = 5, ANSWER_NO = 6 };

// What a cancelled file dialog or input box gives: the escape character alone.
inline const std::string CANCEL_MARK = "\x1b";

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual int message_box(const Form* owner, const std::string& caption, const std::string& text,
                            Buttons buttons, Icon icon) = 0;
    // The chosen full path, or CANCEL_MARK.
    virtual std::string save_dialog(const Form* owner, const std::string& title,
                                    const std::string& default_path, const std::string& filter) = 0;
    virtual std::string open_dialog(const Form* owner, const std::string& title,
                                    const std::string& default_path, const std::string& filter) = 0;
    // The text typed (possibly empty), or CANCEL_MARK.
    virtual std::string input_box(const Form* owner, const std::string& caption,
                                  const std::string& prompt, const std::string& default_text) = 0;
};

// The service in use for the run; set by the window program or the driver.
void set_dialog_service(DialogService* service);
DialogService& dialogs();

// The program's own calls, with the argument checks of the dialogs: titles,
// captions, prompts and default texts of at most 64 bytes (fatal error 5
// beyond that).
int message_box(const Form* owner, const std::string& caption, const std::string& text,
                Buttons buttons, Icon icon);
std::string save_dialog(const Form* owner, const std::string& title,
                        const std::string& default_path, const std::string& filter);
std::string open_dialog(const Form* owner, const std::string& title,
                        const std::string& default_path, const std::string& filter);
std::string input_box(const Form* owner, const std::string& caption, const std::string& prompt,
                      const std::string& default_text);

inline constexpr std::size_t DIALOG_TEXT_LIMIT = 64;

}  // namespace scanfee::ui
