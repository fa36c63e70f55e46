#pragma once
#include <QDialog>
#include <string>

class QLineEdit;

namespace scanfee::qtview {

// The program's input box: caption, prompt, one edit field holding the
// default text and limited to 64 bytes of CP932, "OK" and "ｷｬﾝｾﾙ".
class InputBox : public QDialog {
public:
    InputBox(QWidget* owner, const std::string& caption, const std::string& prompt,
             const std::string& default_text);
    QLineEdit& field() { return *field_; }
    // The text as typed (CP932) after OK, or the cancel mark.
    std::string result_text() const;

private:
    QLineEdit* field_;
};

std::string run_input_box(QWidget* owner, const std::string& caption, const std::string& prompt,
                          const std::string& default_text);

}  // namespace scanfee::qtview
