#pragma once
#include <QMessageBox>
#include <memory>
#include <string>

#include "ui/dialogs.h"

namespace scanfee::qtview {

// The box for a message of the program, not yet shown. Its buttons carry the
// platform's Japanese texts; the first button is the default, as the program
// expects of its Yes/No and OK/Cancel questions.
std::unique_ptr<QMessageBox> make_message_box(QWidget* owner, const std::string& caption,
                                              const std::string& text, ui::Buttons buttons,
                                              ui::Icon icon);

// The answer code of the button the user pressed; closing the box counts as
// its cancel button.
int message_box_answer(const QMessageBox& box);

int run_message_box(QWidget* owner, const std::string& caption, const std::string& text,
                    ui::Buttons buttons, ui::Icon icon);

}  // namespace scanfee::qtview
