#include "qt/input_limit.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "qt/qt_text.h"
#include "qt/refusal_notice.h"
#include "ui/typed_text.h"

namespace scanfee::qtview {

namespace {

// Characters of `text`, a surrogate pair as one.
qsizetype character_length(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                           : 1;
}

}  // namespace

void InputLimitValidator::take_characters(QString& input, int& pos,
                                          std::vector<std::string>& refused) const {
    QString kept;
    int kept_pos = pos;
    for (qsizetype i = 0; i < input.size();) {
        const qsizetype n = character_length(input, i);
        QString character = input.mid(i, n);
        bool takes = true;
        if (digits_only_) {
            // The model's rule: full-width digits are digits, and the box
            // takes no other character (of a paste, the digits go in).
            const std::optional<char> digit = ui::typed_digit(to_system(character));
            takes = digit.has_value();
            if (takes) character = QChar(QLatin1Char(*digit));
        } else {
            const ui::TypedText typed = ui::take_typed(character.toStdString());
            takes = typed.refused.empty();
            if (half_width_)
                if (const std::optional<char> digit = ui::typed_digit(to_system(character)))
                    character = QChar(QLatin1Char(*digit));
            for (const std::string& name : typed.refused)
                if (std::find(refused.begin(), refused.end(), name) == refused.end())
                    refused.push_back(name);
        }
        if (takes) {
            kept += character;
        } else if (i < pos) {
            kept_pos -= int(std::min<qsizetype>(n, pos - i));
        }
        i += n;
    }
    input = kept;
    pos = kept_pos;
}

bool InputLimitValidator::fit_limit(QString& input, int& pos) const {
    if (max_bytes_ <= 0 || system_bytes(input) <= static_cast<std::size_t>(max_bytes_)) return true;
    // The model's rule: what the edit inserted is cut, what the box held stays.
    std::size_t caret = 0;
    const std::string before = to_system(last_);
    const std::optional<std::string> kept =
        ui::fit_edit(before, to_system(input), static_cast<std::size_t>(max_bytes_), &caret);
    if (!kept) return false;
    input = to_qt(*kept);
    pos = int(to_qt(std::string_view(*kept).substr(0, caret)).size());
    return true;
}

QString InputLimitValidator::limit_notice() const {
    return QString::fromStdString(ui::limit_notice(digits_only_, max_bytes_));
}

QValidator::State InputLimitValidator::validate(QString& input, int& pos) const {
    std::vector<std::string> refused;
    QString taken = input;
    int taken_pos = pos;
    take_characters(taken, taken_pos, refused);
    // A key a digits-only box does not take changes nothing: no change at all.
    if (digits_only_ && taken == last_ && input != last_) return Invalid;
    QStringList notices;
    if (!refused.empty()) notices << QString::fromStdString(ui::refusal_notice(refused));
    const QString untrimmed = taken;
    const bool fits = fit_limit(taken, taken_pos);
    if (!fits || taken != untrimmed) notices << limit_notice();
    if (!notices.isEmpty() && on_refused) on_refused(notices.join(QLatin1Char('\n')));
    if (!fits) return Invalid;
    input = taken;
    pos = taken_pos;
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
    auto* validator = new InputLimitValidator(digits_only, max_bytes, ime_off, &edit);
    validator->set_last_text(edit.text());
    QObject::connect(&edit, &QLineEdit::textChanged, validator, &InputLimitValidator::set_last_text);
    QWidget* box = focus_owner ? focus_owner : &edit;
    validator->on_refused = [box](const QString& notice) { show_refusal_notice(*box, notice); };
    edit.setValidator(validator);
    // The validator counts the bytes and cuts a paste to what fits, with a
    // word; Qt's own cut would count characters, and silently.
    edit.setMaxLength(32767);
    // Read-only and echo-mode changes reset the attribute: set it last.
    edit.setAttribute(Qt::WA_InputMethodEnabled, !ime_off && !edit.isReadOnly());
    if (focus_owner && focus_owner != &edit)
        focus_owner->setAttribute(Qt::WA_InputMethodEnabled, !ime_off);
}

}  // namespace scanfee::qtview
