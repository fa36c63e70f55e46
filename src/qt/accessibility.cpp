#include "qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "qt/form_window.h"
#include "qt/qt_text.h"
#include "ui/model.h"

namespace scanfee::qtview {

namespace {

const char* const RADIO_GROUP = "scanfee_radio_group";
const char* const VALUE_UNIT = "scanfee_value_unit";

// A screen: a window named by its caption, its controls in reading order.
class ScreenAccessible : public QAccessibleWidget {
public:
    explicit ScreenAccessible(FormWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override {
        if (ordered()) return static_cast<int>(children().size());
        return QAccessibleWidget::childCount();
    }
    QAccessibleInterface* child(int index) const override {
        if (!ordered()) return QAccessibleWidget::child(index);
        const std::vector<QWidget*> all = children();
        if (index < 0 || index >= static_cast<int>(all.size())) return nullptr;
        return QAccessible::queryAccessibleInterface(all[size_t(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!ordered()) return QAccessibleWidget::indexOfChild(child);
        const std::vector<QWidget*> all = children();
        for (size_t i = 0; i < all.size(); ++i)
            if (child && child->object() == all[i]) return static_cast<int>(i);
        return -1;
    }

private:
    FormWindow* form_window() const { return static_cast<FormWindow*>(widget()); }
    // Controls moved into a scrolled area are the area's children: the
    // toolkit's own tree then.
    bool ordered() const { return !form_window()->scrolled(); }

    // The controls in reading order, then whatever else the window holds (a
    // notice under a box), but the focus ring.
    std::vector<QWidget*> children() const {
        std::vector<QWidget*> all;
        for (const QPointer<QWidget>& w : form_window()->reading_order())
            if (w && w->parentWidget() == widget()) all.push_back(w.data());
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || w->objectName() == QLatin1String("focusRing")) continue;
            if (std::find(all.begin(), all.end(), w) == all.end()) all.push_back(w);
        }
        return all;
    }
};

// The radio buttons leave excluding each other to the model, which a
// toolkit radio button would not allow: they are told to be radio buttons.
class RadioAccessible : public QAccessibleWidget {
public:
    explicit RadioAccessible(QRadioButton* radio) : QAccessibleWidget(radio, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = radio()->isChecked();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return radio()->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            if (radio()->isEnabled()) radio()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        // Named by the frame of its group, as a radio button inside a group box.
        if (match & QAccessible::Label) {
            const QString group = radio()->property(RADIO_GROUP).toString();
            QWidget* parent = radio()->parentWidget();
            if (QWidget* box = parent ? parent->findChild<QWidget*>(group, Qt::FindDirectChildrenOnly) : nullptr)
                found.append({QAccessible::queryAccessibleInterface(box), QAccessible::Label});
        }
        return found;
    }

private:
    QRadioButton* radio() const { return static_cast<QRadioButton*>(widget()); }
};

// The resolution bar: its value said with its unit.
class ScaleAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ScaleAccessible(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return spoken_value(*bar());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return bar()->value(); }
    // Moved as by the user, so that the model hears of it.
    void setCurrentValue(const QVariant& value) override {
        bar()->setSliderPosition(value.toInt());
        bar()->triggerAction(QAbstractSlider::SliderMove);
    }
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }
};

QAccessibleInterface* interface_for(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (auto* window = dynamic_cast<FormWindow*>(object)) return new ScreenAccessible(window);
    if (object->property(RADIO_GROUP).isValid())
        if (auto* radio = qobject_cast<QRadioButton*>(object)) return new RadioAccessible(radio);
    if (object->property(VALUE_UNIT).isValid())
        if (auto* bar = qobject_cast<QScrollBar*>(object)) return new ScaleAccessible(bar);
    return nullptr;
}

}  // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(interface_for);
        return true;
    }();
    (void)installed;
}

void mark_for_accessibility(const ui::Control& control, QWidget& w) {
    if (control.kind() == ui::Kind::Radio && !control.group().empty())
        w.setProperty(RADIO_GROUP, QString::fromStdString(control.group()));
    if (control.kind() == ui::Kind::HScroll)
        w.setProperty(VALUE_UNIT, to_qt(control.value_unit()));
}

void name_control(const ui::Control& control, QWidget& w, QWidget* label) {
    QString name;
    if (auto* caption = qobject_cast<QLabel*>(label)) {
        caption->setBuddy(&w);
        name = caption->text();
    } else if (!control.own_name().empty()) {
        name = to_qt(control.own_name());
    }
    if (name.isEmpty()) return;
    if (control.kind() == ui::Kind::Label) {
        // An amount's name is the amount; its caption is its label.
        if (!label) w.setAccessibleDescription(name);
        return;
    }
    w.setAccessibleName(name);
    // The focus lies in the edit field of a combo box.
    if (auto* combo = qobject_cast<QComboBox*>(&w); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(name);
}

QString spoken_value(const QScrollBar& bar) {
    const QString unit = bar.property(VALUE_UNIT).toString();
    return unit.isEmpty() ? QString::number(bar.value())
                          : QString::number(bar.value()) + QLatin1Char(' ') + unit;
}

void describe_value(QScrollBar& bar) {
    if (bar.property(VALUE_UNIT).isValid()) bar.setAccessibleDescription(spoken_value(bar));
}

}  // namespace scanfee::qtview
