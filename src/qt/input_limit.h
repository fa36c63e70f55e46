#pragma once
// Input limits of edit boxes, enforced while the user types so that the box
// never shows text the model would refuse.
#include <QLineEdit>
#include <QValidator>

namespace scanfee::qtview {

// Refuses an edit that would leave non-digits in a digits-only box, more
// CP932 bytes than the limit (0: none), or a character CP932 cannot hold.
// Full-width digits from an input method are refused as well.
class InputLimitValidator : public QValidator {
public:
    InputLimitValidator(bool digits_only, int max_bytes, QObject* parent)
        : QValidator(parent), digits_only_(digits_only), max_bytes_(max_bytes) {}
    State validate(QString& input, int& pos) const override;

private:
    bool digits_only_;
    int max_bytes_;
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
