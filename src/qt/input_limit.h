#pragma once
// Input limits of edit boxes, enforced while the user types so that the box
// never shows text the model would refuse.
#include <QLineEdit>
#include <QValidator>
#include <functional>
#include <string>
#include <vector>

namespace scanfee::qtview {

// The box's rules while the user types or pastes, the model's rules as the
// model keeps them. A digits-only box takes digits alone, an input method's
// full-width digits as digits; a box for half-width entry (`half_width`, its
// input method off) takes those as digits among its other characters. A text box leaves out the characters CP932
// cannot hold and takes every other one. Where the byte limit (0: none) is
// reached, a paste is cut to what fits and a keystroke refused. Whatever is
// left out is told to `on_refused` as the notice that names it.
class InputLimitValidator : public QValidator {
public:
    InputLimitValidator(bool digits_only, int max_bytes, bool half_width, QObject* parent)
        : QValidator(parent), digits_only_(digits_only), half_width_(half_width), max_bytes_(max_bytes) {}
    State validate(QString& input, int& pos) const override;

    // The text of the box as it stands, before the edit being checked.
    void set_last_text(const QString& text) { last_ = text; }

    std::function<void(const QString& notice)> on_refused;

private:
    void take_characters(QString& input, int& pos, std::vector<std::string>& refused) const;
    bool fit_limit(QString& input, int& pos) const;
    QString limit_notice() const;

    bool digits_only_;
    bool half_width_;
    int max_bytes_;
    QString last_;
};

// A line edit whose input method follows the WA_InputMethodEnabled attribute:
// QLineEdit answers the input method's "enabled" query by its read-only state
// alone, so turning the attribute off would otherwise change nothing.
class EditBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
};

// Applies digits-only, the byte limit and the input-method state to `edit`
// (and to `focus_owner`, the widget that takes the focus for it, when that is
// another one, as the combo box is for its edit field).
void apply_input_limits(QLineEdit& edit, QWidget* focus_owner, bool digits_only, int max_bytes,
                        bool ime_off);

}  // namespace scanfee::qtview
