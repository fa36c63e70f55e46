#include "qt/widget_mirror.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <optional>

#include "qt/accessibility.h"
#include "qt/font_map.h"
#include "qt/form_window.h"
#include "qt/input_limit.h"
#include "qt/qt_text.h"

namespace scanfee::qtview {

namespace {

// The font comes before the geometry: a combo box's height follows its font.
constexpr ui::Prop ALL_PROPS[] = {ui::Prop::Font,   ui::Prop::Geometry, ui::Prop::Colors,
                                  ui::Prop::Limits, ui::Prop::Items,    ui::Prop::Selection,
                                  ui::Prop::Text,   ui::Prop::Checked,  ui::Prop::Scroll,
                                  ui::Prop::Enabled, ui::Prop::Visible};

int px(int design, double scale) { return static_cast<int>(std::lround(design * scale)); }

// The designs use no access keys, so "&" is a character like any other.
QString caption_text(const std::string& sjis) {
    return to_qt(sjis).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QColor qcolor(ui::Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::Alignment alignment(ui::Align a) {
    switch (a) {
        case ui::Align::Center:
            return Qt::AlignHCenter | Qt::AlignTop;
        case ui::Align::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case ui::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// A disabled control keeps the style's greyed text on its own background.
void set_text_colour(QPalette& p, QPalette::ColorRole role, ui::Rgb c) {
    p.setColor(QPalette::Active, role, qcolor(c));
    p.setColor(QPalette::Inactive, role, qcolor(c));
}

void set_background(QPalette& p, QPalette::ColorRole role, ui::Rgb c) {
    p.setColor(role, qcolor(c));
}

void mirror_colours(const ui::Control& c, QWidget& w) {
    QPalette p = w.palette();
    switch (c.kind()) {
        case ui::Kind::Button:
            // Push buttons keep the platform's face, as on the designed platform.
            set_text_colour(p, QPalette::ButtonText, c.foreground());
            break;
        case ui::Kind::Edit:
        case ui::Kind::List:
        case ui::Kind::Combo:
            set_text_colour(p, QPalette::Text, c.foreground());
            set_background(p, QPalette::Base, c.background());
            break;
        case ui::Kind::HScroll:
            set_background(p, QPalette::Window, c.background());
            set_background(p, QPalette::Button, c.background());
            w.setAutoFillBackground(true);
            break;
        case ui::Kind::Group:
            // The box paints its background inside its frame only.
            set_text_colour(p, QPalette::WindowText, c.foreground());
            set_background(p, QPalette::Window, c.background());
            w.setAutoFillBackground(false);
            break;
        case ui::Kind::Form:
        case ui::Kind::Label:
        case ui::Kind::CheckBox:
        case ui::Kind::Radio:
            set_text_colour(p, QPalette::WindowText, c.foreground());
            set_background(p, QPalette::Window, c.background());
            w.setAutoFillBackground(true);
            break;
    }
    w.setPalette(p);
}

// The installed faces set lines a little wider apart than the design faces
// (22 pixels for a 20-pixel character, not 20): a wrapped label grows
// downwards rather than cut off its last line. Labels lie under every other
// control, so the growth never hides one.
// Measuring a wrapped text loads its font and lays the text out, the
// greater part of building a screen: a label of a hidden screen is measured
// when the screen is shown (fit_pending_label).
const char* const FIT_PENDING = "scanfee_fit_pending";

void resize_to_text(const ui::Control& c, QLabel& label, double scale) {
    label.setProperty(FIT_PENDING, QVariant());
    const QRect design = scaled(c.geometry(), scale);
    // A text on one line within the design size needs no wrapped layout.
    const QFontMetrics metrics(label.font());
    const QString text = label.text();
    if (!text.contains(QLatin1Char('\n')) && metrics.height() <= design.height() &&
        metrics.horizontalAdvance(text) <= design.width() - 2 * label.margin()) {
        label.resize(design.size());
        return;
    }
    label.resize(design.width(), std::max(design.height(), label.heightForWidth(design.width())));
}

void fit_label_height(const ui::Control& c, QWidget& w, double scale) {
    auto* label = qobject_cast<QLabel*>(&w);
    if (!label) return;
    if (label->window()->isVisible())
        resize_to_text(c, *label, scale);
    else
        label->setProperty(FIT_PENDING, true);
}

// A control that has shown a character its face lacks keeps drawing such
// characters from other faces.
const char* const OTHER_FACES = "scanfee_other_faces";

void mirror_font(const ui::Control& c, QWidget& w, double scale) {
    // The scroll bar has no font; a design face of none keeps the default.
    if (!c.font().face.empty())
        w.setFont(design_font(c.font(), scale, w.property(OTHER_FACES).toBool()));
}

void allow_other_faces(const ui::Control& c, QWidget& w, std::string_view text, double scale) {
    if (!needs_other_faces(text) || w.property(OTHER_FACES).toBool()) return;
    w.setProperty(OTHER_FACES, true);
    mirror_font(c, w, scale);
}

void mirror_text(const ui::Control& c, QWidget& w) {
    switch (c.kind()) {
        case ui::Kind::Form:
            w.setWindowTitle(to_qt(c.text()));
            break;
        case ui::Kind::Button:
        case ui::Kind::CheckBox:
        case ui::Kind::Radio:
            static_cast<QAbstractButton&>(w).setText(caption_text(c.text()));
            break;
        case ui::Kind::Group:
            static_cast<QGroupBox&>(w).setTitle(caption_text(c.text()));
            break;
        case ui::Kind::Label: {
            auto& label = static_cast<QLabel&>(w);
            label.setAlignment(alignment(c.align()));
            label.setText(to_qt(c.text()));
            break;
        }
        case ui::Kind::Edit:
            if (auto* multi = qobject_cast<QPlainTextEdit*>(&w)) {
                const QString text = unix_line_ends(to_qt(c.text()));
                if (multi->toPlainText() != text) multi->setPlainText(text);
            } else {
                // The text the user is typing already says what the model
                // holds (a WAVE DASH stays as typed): leave cursor and
                // selection alone then.
                auto& edit = static_cast<QLineEdit&>(w);
                if (to_system(edit.text()) != c.text()) edit.setText(to_qt(c.text()));
            }
            break;
        case ui::Kind::Combo: {
            auto& combo = static_cast<QComboBox&>(w);
            if (to_system(combo.currentText()) != c.text()) combo.setEditText(to_qt(c.text()));
            break;
        }
        case ui::Kind::List:
        case ui::Kind::HScroll:
            break;
    }
}

template <class Box>
bool same_items(const Box& box, const std::vector<std::string>& items) {
    if (box.count() != static_cast<int>(items.size())) return false;
    for (int i = 0; i < box.count(); ++i)
        if (to_system(box.itemText(i)) != items[size_t(i)]) return false;
    return true;
}

// The system's texts a list widget shows, kept beside it: the model refills
// a list one item at a time, and comparing with these bytes spares turning
// every shown row back into the system's text at every added row.
const char* const SHOWN_ITEMS = "scanfee_shown_items";

void mirror_list_items(const ui::Control& c, QListWidget& list, double scale) {
    const auto& items = c.items();
    QByteArrayList shown = list.property(SHOWN_ITEMS).value<QByteArrayList>();
    if (shown.size() != list.count()) {
        shown.clear();
        list.clear();
    }
    auto same = [&](qsizetype i) {
        return shown[i] == QByteArrayView(items[size_t(i)].data(), qsizetype(items[size_t(i)].size()));
    };
    qsizetype keep = 0;
    while (keep < shown.size() && keep < qsizetype(items.size()) && same(keep)) ++keep;
    if (keep == shown.size() && keep == qsizetype(items.size())) return;
    // Rows after the first difference go; the rest of the model's rows follow.
    while (list.count() > keep) delete list.takeItem(list.count() - 1);
    shown.resize(keep);
    for (size_t i = size_t(keep); i < items.size(); ++i) {
        allow_other_faces(c, list, items[i], scale);
        list.addItem(to_qt(items[i]));
        shown.append(QByteArray(items[i].data(), qsizetype(items[i].size())));
    }
    list.setProperty(SHOWN_ITEMS, QVariant::fromValue(shown));
}

void mirror_list_selection(const ui::Control& c, QListWidget& list) {
    if (c.multi_select()) {
        for (int i = 0; i < list.count(); ++i) list.item(i)->setSelected(c.is_item_selected(i));
    } else {
        // One row at most: only the rows whose state differs are touched.
        for (QListWidgetItem* item : list.selectedItems())
            if (list.row(item) != c.selected()) item->setSelected(false);
        if (c.selected() >= 0 && c.selected() < list.count())
            list.item(c.selected())->setSelected(true);
    }
    if (c.selected() >= 0 && c.selected() < list.count()) {
        list.setCurrentRow(c.selected(), QItemSelectionModel::NoUpdate);
        list.scrollToItem(list.item(c.selected()));
    } else if (list.currentRow() < 0 && list.count() > 0) {
        // The keyboard's caret is always on a row, so that Space or Enter
        // opens the row the user sees.
        list.setCurrentRow(0, QItemSelectionModel::NoUpdate);
    }
}

void mirror_combo(const ui::Control& c, QComboBox& combo, double scale) {
    if (!same_items(combo, c.items())) {
        combo.clear();
        for (const auto& item : c.items()) {
            allow_other_faces(c, combo, item, scale);
            combo.addItem(to_qt(item));
        }
    }
    allow_other_faces(c, combo, c.text(), scale);
    if (combo.currentIndex() != c.selected()) combo.setCurrentIndex(c.selected());
    // Choosing an index rewrites the edit field; the model's text wins.
    mirror_text(c, combo);
}

void mirror_scroll(const ui::Control& c, QScrollBar& bar) {
    bar.setRange(c.min(), std::max(c.min(), c.max()));
    bar.setSingleStep(c.small_step());
    bar.setPageStep(c.large_step());
    bar.setValue(c.pos());
    describe_value(bar);
}

void mirror_limits(const ui::Control& c, QWidget& w) {
    const bool ime_off = c.ime() == ui::Ime::Off;
    if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
        apply_input_limits(*edit, nullptr, c.digits_only(), c.max_length(), ime_off);
    } else if (auto* combo = qobject_cast<QComboBox*>(&w); combo && combo->lineEdit()) {
        apply_input_limits(*combo->lineEdit(), combo, c.digits_only(), c.max_length(), ime_off);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(&w)) {
        multi->setAttribute(Qt::WA_InputMethodEnabled, !ime_off && !multi->isReadOnly());
    }
}

void mirror_geometry(const ui::Control& c, QWidget& w, double scale) {
    QRect r = scaled(c.geometry(), scale);
    if (auto* combo = qobject_cast<QComboBox*>(&w)) {
        // The designed height of a combo box reaches down over its dropped
        // list; the closed box is as high as its edit field.
        const int field = std::min(r.height(), combo->sizeHint().height());
        const int row = std::max(1, combo->fontMetrics().height());
        combo->setMaxVisibleItems(std::max(1, (r.height() - field) / row));
        r.setHeight(field);
    }
    if (c.kind() != ui::Kind::Form) {
        w.setGeometry(r);
        return;
    }
    const bool resizable = static_cast<const ui::Form*>(&c)->frame() == ui::FrameStyle::Resizable;
    if (auto* window = dynamic_cast<FormWindow*>(&w)) {
        window->set_design_size(r.size(), resizable);
    } else if (resizable) {
        w.setMinimumSize(r.size());
        w.resize(r.size());
    } else {
        w.setFixedSize(r.size());
    }
}

}  // namespace

QRect scaled(const ui::Rect& r, double scale) {
    return QRect(px(r.x, scale), px(r.y, scale), px(r.w, scale), px(r.h, scale));
}

void mirror(const ui::Control& c, QWidget& w, ui::Prop prop, double scale) {
    const QSignalBlocker block(&w);
    std::optional<QSignalBlocker> block_edit;
    if (auto* combo = qobject_cast<QComboBox*>(&w); combo && combo->lineEdit())
        block_edit.emplace(combo->lineEdit());
    switch (prop) {
        case ui::Prop::Text:
            allow_other_faces(c, w, c.text(), scale);
            mirror_text(c, w);
            fit_label_height(c, w, scale);
            break;
        case ui::Prop::Visible:
            // Forms are shown and hidden by the view, which also places them.
            if (c.kind() != ui::Kind::Form) w.setVisible(c.visible());
            break;
        case ui::Prop::Enabled:
            w.setEnabled(c.enabled());
            break;
        case ui::Prop::Checked:
            if (c.kind() == ui::Kind::CheckBox || c.kind() == ui::Kind::Radio)
                static_cast<QAbstractButton&>(w).setChecked(c.checked() == 1);
            break;
        case ui::Prop::Items:
        case ui::Prop::Selection:
            if (auto* list = qobject_cast<QListWidget*>(&w)) {
                if (prop == ui::Prop::Items) mirror_list_items(c, *list, scale);
                mirror_list_selection(c, *list);
            } else if (auto* combo = qobject_cast<QComboBox*>(&w)) {
                mirror_combo(c, *combo, scale);
            }
            break;
        case ui::Prop::Scroll:
            if (auto* bar = qobject_cast<QScrollBar*>(&w)) mirror_scroll(c, *bar);
            break;
        case ui::Prop::Limits:
            mirror_limits(c, w);
            break;
        case ui::Prop::Font:
            mirror_font(c, w, scale);
            fit_label_height(c, w, scale);
            break;
        case ui::Prop::Colors:
            mirror_colours(c, w);
            break;
        case ui::Prop::Geometry:
            mirror_geometry(c, w, scale);
            fit_label_height(c, w, scale);
            break;
    }
}

void fit_pending_label(const ui::Control& c, QWidget& w, double scale) {
    auto* label = qobject_cast<QLabel*>(&w);
    if (label && label->property(FIT_PENDING).isValid()) resize_to_text(c, *label, scale);
}

void mirror_all(const ui::Control& c, QWidget& w, double scale) {
    for (ui::Prop prop : ALL_PROPS) mirror(c, w, prop, scale);
}

}  // namespace scanfee::qtview
