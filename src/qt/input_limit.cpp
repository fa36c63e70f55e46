#include "qt/input_limit.h"

#include "qt/qt_text.h"

namespace scanfee::qtview {

QValidator::State InputLimitValidator::validate(QString& input, int&) const {
    if (digits_only_) {
        for (QChar c : input)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
    }
    if (!fits_system_text(input)) return Invalid;
    if (max_bytes_ > 0 && system_bytes(input) > static_cast<std::size_t>(max_bytes_))
        return Invalid;
    return Acceptable;
}

QVariant EditBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled && !testAttribute(Qt::WA_InputMethodEnabled)) return false;
    return QLineEdit::inputMethodQuery(query);
}

void apply_input_limits(QLineEdit& edit, QWidget* focus_owner, bool digits_only, int max_bytes,
                        bool ime_off) {
    // The old validator is the edit's child; replacing it must not leave it behind.
    if (const QValidator* old = edit.validator(); old && old->parent() == &edit) delete old;
    edit.setValidator(new InputLimitValidator(digits_only, max_bytes, &edit));
    // A character is at least one byte, so the byte limit also bounds the
    // characters; the validator does the exact count.
    edit.setMaxLength(max_bytes > 0 ? max_bytes : 32767);
    // Read-only and echo-mode changes reset the attribute: set it last.
    edit.setAttribute(Qt::WA_InputMethodEnabled, !ime_off && !edit.isReadOnly());
    if (focus_owner && focus_owner != &edit)
        focus_owner->setAttribute(Qt::WA_InputMethodEnabled, !ime_off);
}

}  // namespace scanfee::qtview
