#include "qt/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <type_traits>

#include "qt/accessibility.h"
#include "qt/group_box.h"
#include "qt/input_limit.h"
#include "qt/list_box.h"
#include "qt/scroll_bar.h"

namespace scanfee::qtview {

namespace {

QWidget* create_edit(ui::Control& c, QWidget* parent, const UserActionSink& sink) {
    if (c.multiline()) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(c.read_only());
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        if (!c.read_only())
            QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [&c, edit, sink] {
                QString text = edit->toPlainText();
                text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
                sink.type(c, text);
            });
        return edit;
    }
    auto* edit = new EditBox(parent);
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [&c, sink](const QString& text) { sink.type(c, text); });
    return edit;
}

QWidget* create_combo(ui::Control& c, QWidget* parent, const UserActionSink& sink) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    auto* edit = new EditBox(combo);
    combo->setLineEdit(edit);
    // The model owns the item list and the text: no item added on Enter, no
    // completion typed into the field behind the model's back.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    QObject::connect(combo, &QComboBox::activated, combo,
                     [&c, sink](int row) { sink.select(c, row); });
    QObject::connect(edit, &QLineEdit::textEdited, combo,
                     [&c, sink](const QString& text) { sink.type(c, text); });
    return combo;
}

QWidget* create_list(ui::Control& c, QWidget* parent, const UserActionSink& sink) {
    auto* list = new ListBox(parent);
    list->setSelectionMode(c.multi_select() ? QAbstractItemView::MultiSelection
                                            : QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->on_click = [&c, sink](int row) { sink.select(c, row); };
    return list;
}

QWidget* create_scroll(ui::Control& c, QWidget* parent, const UserActionSink& sink) {
    auto* bar = new ScrollBar(parent);
    // The slider position is already moved by the action when this runs.
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar,
                     [&c, sink, bar](int) { sink.scroll(c, bar->sliderPosition()); });
    return bar;
}

template <class Button>
QWidget* create_button(ui::Control& c, QWidget* parent, const UserActionSink& sink) {
    auto* button = new Button(parent);
    // Check boxes and radio buttons take the control's own background (white
    // on these screens), not the face colour of push buttons.
    if constexpr (!std::is_same_v<Button, QPushButton>) button->setBackgroundRole(QPalette::Window);
    QObject::connect(button, &QAbstractButton::clicked, button, [&c, sink] { sink.click(c); });
    return button;
}

}  // namespace

QWidget* create_control_widget(ui::Control& c, QWidget* parent, const UserActionSink& sink) {
    QWidget* widget = nullptr;
    switch (c.kind()) {
        case ui::Kind::Button:
            widget = create_button<QPushButton>(c, parent, sink);
            static_cast<QPushButton*>(widget)->setAutoDefault(false);
            break;
        case ui::Kind::CheckBox:
            widget = create_button<QCheckBox>(c, parent, sink);
            break;
        case ui::Kind::Radio: {
            widget = create_button<QRadioButton>(c, parent, sink);
            // The model unchecks the other radio buttons of the group.
            static_cast<QRadioButton*>(widget)->setAutoExclusive(false);
            break;
        }
        case ui::Kind::Group:
            widget = new GroupBox(parent);
            break;
        case ui::Kind::Edit:
            widget = create_edit(c, parent, sink);
            break;
        case ui::Kind::Label: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case ui::Kind::List:
            widget = create_list(c, parent, sink);
            break;
        case ui::Kind::Combo:
            widget = create_combo(c, parent, sink);
            break;
        case ui::Kind::HScroll:
            widget = create_scroll(c, parent, sink);
            break;
        case ui::Kind::Form:
            return nullptr;
    }
    widget->setObjectName(QString::fromStdString(c.name()));
    mark_for_accessibility(c, *widget);
    return widget;
}

}  // namespace scanfee::qtview
