#include "qt/message_box.h"

#include <QAbstractButton>
#include <QPushButton>
#include <utility>
#include <vector>

#include "qt/dialog_look.h"
#include "qt/qt_text.h"

namespace scanfee::qtview {

namespace {

struct ButtonSpec {
    QMessageBox::StandardButton button;
    const char* text;
    int answer;
};

const ButtonSpec OK{QMessageBox::Ok, "OK", ui::ANSWER_OK};
const ButtonSpec CANCEL{QMessageBox::Cancel, "キャンセル", ui::ANSWER_CANCEL};
const ButtonSpec ABORT{QMessageBox::Abort, "中止(&A)", ui::ANSWER_ABORT};
const ButtonSpec RETRY{QMessageBox::Retry, "再試行(&R)", ui::ANSWER_RETRY};
const ButtonSpec IGNORE{QMessageBox::Ignore, "無視(&I)", ui::ANSWER_IGNORE};
const ButtonSpec YES{QMessageBox::Yes, "はい(&Y)", ui::ANSWER_YES};
const ButtonSpec NO{QMessageBox::No, "いいえ(&N)", ui::ANSWER_NO};

std::vector<ButtonSpec> button_set(ui::Buttons buttons) {
    switch (buttons) {
        case ui::Buttons::OkCancel:
            return {OK, CANCEL};
        case ui::Buttons::AbortRetryIgnore:
            return {ABORT, RETRY, IGNORE};
        case ui::Buttons::YesNoCancel:
            return {YES, NO, CANCEL};
        case ui::Buttons::YesNo:
            return {YES, NO};
        case ui::Buttons::RetryCancel:
            return {RETRY, CANCEL};
        case ui::Buttons::Ok:
            break;
    }
    return {OK};
}

QMessageBox::Icon qt_icon(ui::Icon icon) {
    switch (icon) {
        case ui::Icon::Stop:
            return QMessageBox::Critical;
        case ui::Icon::Question:
            return QMessageBox::Question;
        case ui::Icon::Exclamation:
            return QMessageBox::Warning;
        case ui::Icon::Information:
            return QMessageBox::Information;
        case ui::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Escape and the frame's close button give the cancel-like answer of the set.
int escape_answer(ui::Buttons buttons) {
    switch (buttons) {
        case ui::Buttons::OkCancel:
        case ui::Buttons::YesNoCancel:
        case ui::Buttons::RetryCancel:
            return ui::ANSWER_CANCEL;
        case ui::Buttons::AbortRetryIgnore:
            return ui::ANSWER_ABORT;
        case ui::Buttons::YesNo:
            return ui::ANSWER_NO;
        case ui::Buttons::Ok:
            break;
    }
    return ui::ANSWER_OK;
}

const char* const ANSWER_PROPERTY = "scanfee_answer";

}  // namespace

std::unique_ptr<QMessageBox> make_message_box(QWidget* owner, const std::string& caption,
                                              const std::string& text, ui::Buttons buttons,
                                              ui::Icon icon) {
    auto box = std::make_unique<QMessageBox>(qt_icon(icon), to_qt(caption),
                                             unix_line_ends(to_qt(text)), QMessageBox::NoButton,
                                             owner);
    box->setTextFormat(Qt::PlainText);
    // A screen reader says what the box says, not only its caption.
    box->setAccessibleDescription(box->text());
    QAbstractButton* escape = nullptr;
    const int escape_code = escape_answer(buttons);
    bool first = true;
    for (const ButtonSpec& choice : button_set(buttons)) {
        QPushButton* b = box->addButton(choice.button);
        b->setText(QString::fromUtf8(choice.text));
        b->setProperty(ANSWER_PROPERTY, choice.answer);
        if (first) box->setDefaultButton(b);
        first = false;
        if (choice.answer == escape_code) escape = b;
    }
    box->setEscapeButton(escape);
    apply_dialog_look(*box);
    return box;
}

int message_box_answer(const QMessageBox& box) {
    const QAbstractButton* clicked = box.clickedButton();
    if (!clicked) clicked = box.escapeButton();
    return clicked ? clicked->property(ANSWER_PROPERTY).toInt() : ui::ANSWER_CANCEL;
}

int run_message_box(QWidget* owner, const std::string& caption, const std::string& text,
                    ui::Buttons buttons, ui::Icon icon) {
    auto box = make_message_box(owner, caption, text, buttons, icon);
    box->exec();
    return message_box_answer(*box);
}

}  // namespace scanfee::qtview
