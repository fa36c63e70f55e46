// Every control that takes the focus shows it: a frame appears around it (or
// around its caption) when the keyboard brings the focus there.
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QRadioButton>
#include <QImage>
#include <QWidget>

#include "keyboard.h"
#include "qt/view_fixture.h"
#include "runtime/sjis.h"

#include <cmath>

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

// The pixels that differ between two pictures of a window, within `area`.
struct Change {
    QRect box;  // the smallest rectangle holding every changed pixel
    int top = 0, bottom = 0, left = 0, right = 0;  // changed pixels on each edge of `box`
};

Change change_between(const QImage& a, const QImage& b, QRect area) {
    Change c;
    area &= a.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) c.box |= QRect(x, y, 1, 1);
    for (int y = c.box.top(); y <= c.box.bottom() && !c.box.isEmpty(); ++y) {
        for (int x = c.box.left(); x <= c.box.right(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y)) continue;
            if (y <= c.box.top() + 1) ++c.top;
            if (y >= c.box.bottom() - 1) ++c.bottom;
            if (x <= c.box.left() + 1) ++c.left;
            if (x >= c.box.right() - 1) ++c.right;
        }
    }
    return c;
}

// A frame: changed pixels along at least half of every edge of a box of
// some size, not a caret or a recoloured word.
bool is_frame(const Change& c) {
    const int w = c.box.width(), h = c.box.height();
    return w >= 8 && h >= 8 && c.top >= w / 2 && c.bottom >= w / 2 && c.left >= h / 2 &&
           c.right >= h / 2;
}

// The contrast ratio of two colours, as the web's guidelines measure it.
double contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class FocusFrameTest : public ViewTest {
protected:
    QImage picture(QWidget* window) {
        QApplication::processEvents();
        return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Every reachable control of the form that takes the focus, with or
    // without it.
    void expect_frames(const char* form_name) {
        QWidget* window = view_->widget(form_name);
        ASSERT_TRUE(window->isVisible()) << form_name;
        const ui::Form* form = screen_model().find_form(form_name);
        window->setAttribute(Qt::WA_KeyboardFocusChange);
        for (const auto& c : form->controls()) {
            QWidget* w = view_->widget(*c);
            if (!w || !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            SCOPED_TRACE(form_name + (" " + c->name()));
            w->setFocus(Qt::TabFocusReason);
            const QImage focused = picture(window);
            ASSERT_TRUE(w->hasFocus() || w->isAncestorOf(QApplication::focusWidget()));
            w->clearFocus();
            if (QWidget* inner = w->focusProxy()) inner->clearFocus();
            const QImage left = picture(window);
            // The pictures are in device pixels.
            const double dpr = focused.devicePixelRatio();
            auto device = [dpr](QRect r) {
                return QRect(QPoint(int(r.left() * dpr), int(r.top() * dpr)),
                             QPoint(int((r.right() + 1) * dpr) - 1, int((r.bottom() + 1) * dpr) - 1));
            };
            const QRect around = device(QRect(w->mapTo(window, QPoint(-4, -4)), w->size() + QSize(8, 8)));
            const Change change = change_between(focused, left, around);
            EXPECT_TRUE(is_frame(change))
                << "changed " << change.box.width() << "x" << change.box.height() << " edges "
                << change.top << "/" << change.bottom << "/" << change.left << "/" << change.right;
            // A list, the statement and the scroll bar are framed whole, not
            // only their current row.
            const QRect inner = device(QRect(w->mapTo(window, QPoint(2, 2)), w->size() - QSize(4, 4)));
            if (qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
                EXPECT_TRUE(change.box.contains(inner)) << "only part of the control is framed";
                // At least 2 pixels wide, at least 3:1 against what it covers.
                const QPoint edge(change.box.left(), change.box.center().y());
                for (int i = 0; i < int(2 * dpr); ++i) {
                    const QPoint at = edge + QPoint(i, 0);
                    EXPECT_GE(contrast(focused.pixel(at), left.pixel(at)), 3.0) << "at " << i;
                }
            }
        }
    }
};

TEST_F(FocusFrameTest, EveryControlThatTakesTheFocusShowsAFrame) {
    start(EDITION_SHOP);
    control("MAINFORM").show();
    expect_frames("MAINFORM");
    click("BUTTON5");
    expect_frames("FORM2");
    view_->dispatcher().act(control("LIST1"), [](ui::Control& c) { return ui::user_select(c, 0); });
    expect_frames("FORM3");
    control("FORM3").hide();
    control("FORM4").show();
    control("LIST2").add_item("ABC"_sj);
    expect_frames("FORM4");
    control("FORM4").hide();
    control("EDIT6").set_text("statement\r\n"_sj);
    control("FORM5").show();
    expect_frames("FORM5");
}

}  // namespace
}  // namespace scanfee::qtview::testing
