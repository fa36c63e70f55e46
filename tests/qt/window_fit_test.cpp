// Every window opens wholly on the screen, whatever its size and scale: a
// screen takes the place of the one it replaces as far as the screen allows,
// and a design larger than the screen is scrolled, never cut off. The
// placement test runs again under ctest on screens of other sizes and
// scale factors (tests/CMakeLists.txt).
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>

#include "keyboard.h"
#include "qt/form_window.h"
#include "qt/view_fixture.h"
#include "qt/window_place.h"

namespace scanfee::qtview::testing {
namespace {

TEST(InsideRoomTest, AWindowMovesTheLeastThatPutsItWhollyInside) {
    const QRect room(0, 30, 1600, 970);  // a panel above
    const QSize frame(800, 600);
    const struct {
        const char* name;
        QPoint place, expected;
    } cases[] = {
        {"inside already", {100, 100}, {100, 100}},
        {"off the right", {1000, 100}, {800, 100}},
        {"off the bottom right", {1000, 500}, {800, 400}},
        {"under the panel", {100, 0}, {100, 30}},
        {"off the left", {-50, 100}, {0, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(inside_room(c.place, frame, room), c.expected);
    }
    // Larger than the room: its top-left corner is inside.
    EXPECT_EQ(inside_room({300, 300}, QSize(2000, 1200), room), QPoint(0, 30));
    EXPECT_EQ(centred_in(QSize(600, 370), room), QPoint(500, 330));
}

class ScreenFitTest : public ViewTest {
protected:
    void SetUp() override {
        QSettings().clear();
        // Under ctest's runs on other screens: the screen asked for, so that a
        // platform that ignored it fails instead of testing the default.
        const QByteArray wanted = qgetenv("SCANFEE_TEST_SCREEN");
        if (!wanted.isEmpty()) {
            const QScreen* screen = QGuiApplication::primaryScreen();
            // The scale factor rounds the screen to whole logical pixels.
            const QSize pixels = screen->geometry().size() * screen->devicePixelRatio();
            const QStringList size = QString::fromLatin1(wanted).split(QLatin1Char('x'));
            ASSERT_EQ(size.size(), 2);
            ASSERT_NEAR(pixels.width(), size[0].toInt(), screen->devicePixelRatio());
            ASSERT_NEAR(pixels.height(), size[1].toInt(), screen->devicePixelRatio());
        }
    }
    void TearDown() override {
        ViewTest::TearDown();
        QSettings().clear();
    }

    // The window of `form` lies wholly inside the available area, and every
    // control can be reached: inside the window, or in its scrolled area.
    void expect_on_screen(const char* form) {
        SCOPED_TRACE(form);
        auto* window = dynamic_cast<FormWindow*>(view_->widget(form));
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        QApplication::processEvents();
        const QRect room = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(room.contains(frame))
            << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
            << frame.height() << " on " << room.width() << "x" << room.height();
        // In the screen's own pixels too, where the scale rounds.
        const QStringList pixels = QString::fromLatin1(qgetenv("SCANFEE_TEST_SCREEN")).split(QLatin1Char('x'));
        if (pixels.size() == 2) {
            const double dpr = window->screen()->devicePixelRatio();
            EXPECT_LE((frame.x() + frame.width()) * dpr, pixels[0].toInt()) << "at the right";
            EXPECT_LE((frame.y() + frame.height()) * dpr, pixels[1].toInt()) << "at the bottom";
        }
        const QSize design = window->design_size();
        const bool fits = design.width() <= window->width() && design.height() <= window->height();
        EXPECT_EQ(window->scrolled(), !fits) << design.width() << "x" << design.height();
        if (!fits) {
            QScrollArea* area = window->scroll_area();
            ASSERT_NE(area, nullptr);
            // A scroll bar only for a direction that does not fit.
            const QSize client = room.size() - (frame.size() - window->size());
            const int bar = area->verticalScrollBar()->sizeHint().width();
            EXPECT_EQ(area->horizontalScrollBar()->isVisible(), design.width() + bar > client.width());
            EXPECT_EQ(area->verticalScrollBar()->isVisible(), design.height() + bar > client.height());
            // The scroll bars reach the far edges of the design.
            EXPECT_GE(area->viewport()->width() + area->horizontalScrollBar()->maximum(), design.width());
            EXPECT_GE(area->viewport()->height() + area->verticalScrollBar()->maximum(), design.height());
        }
    }
};

TEST_F(ScreenFitTest, EveryFormOpensWhollyOnTheScreenOfTheSummary) {
    // The summary was last closed near the screen's bottom right corner.
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    remember_place(QStringLiteral("MAINFORM"), room.bottomRight() - QPoint(200, 60));
    for (int16 edition : {EDITION_CUSTOMER, EDITION_SHOP}) {
        SCOPED_TRACE(edition);
        start(edition, 0);  // the window program's own scale
        expect_on_screen("MAINFORM");
        click("BUTTON5");
        expect_on_screen("FORM2");
        view_->dispatcher().act(control("LIST1"), [](ui::Control& c) { return ui::user_select(c, 0); });
        expect_on_screen("FORM3");
        click("BUTTON14");
        control("FORM4").show();
        control("FORM2").hide();
        expect_on_screen("FORM4");
        click("BUTTON16");
        click("BUTTON11");
        // The statement opens over the summary, at its corner.
        control("FORM5").show();
        control("MAINFORM").hide();
        expect_on_screen("FORM5");
        view_.reset();
    }
}

TEST_F(ScreenFitTest, TheKeyboardScrollsAFocusedControlIntoView) {
    start(EDITION_SHOP, 0);
    control("EDIT6").set_text("statement\r\n");
    control("BUTTON23").set_visible(false);  // as the statement first opens
    control("FORM5").show();
    auto* window = dynamic_cast<FormWindow*>(view_->widget("FORM5"));
    if (!window->scrolled()) GTEST_SKIP() << "the statement screen fits this screen";
    // From the statement text, Tab goes to "ファイルに出力", then "終了",
    // far right at the top.
    press(window, Qt::Key_Tab);
    press(window, Qt::Key_Tab);
    QWidget* end = widget("BUTTON21");
    ASSERT_EQ(focus_name(window), "BUTTON21");
    QApplication::processEvents();
    const QRect shown = window->scroll_area()->viewport()->rect();
    const QRect at(end->mapTo(window->scroll_area()->viewport(), QPoint(0, 0)), end->size());
    EXPECT_TRUE(shown.contains(at));
}

}  // namespace
}  // namespace scanfee::qtview::testing
