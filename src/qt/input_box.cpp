#include "qt/input_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/dialog_look.h"
#include "qt/input_limit.h"
#include "qt/qt_text.h"
#include "ui/dialogs.h"

namespace scanfee::qtview {

InputBox::InputBox(QWidget* owner, const std::string& caption, const std::string& prompt,
                   const std::string& default_text)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(to_qt(caption));
    setModal(true);
    apply_dialog_look(*this);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(unix_line_ends(to_qt(prompt)), this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);

    auto* field = new EditBox(this);
    field->setObjectName(QStringLiteral("field"));
    apply_input_limits(*field, nullptr, false, static_cast<int>(ui::DIALOG_TEXT_LIMIT), false);
    field->setText(to_qt(default_text));
    field->selectAll();
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 34);
    layout->addWidget(field);
    field_ = field;

    // OK before ｷｬﾝｾﾙ whatever the desktop's usual order.
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

std::string InputBox::result_text() const {
    return result() == QDialog::Accepted ? to_system(field_->text()) : ui::CANCEL_MARK;
}

std::string run_input_box(QWidget* owner, const std::string& caption, const std::string& prompt,
                          const std::string& default_text) {
    InputBox box(owner, caption, prompt, default_text);
    box.exec();
    return box.result_text();
}

}  // namespace scanfee::qtview
