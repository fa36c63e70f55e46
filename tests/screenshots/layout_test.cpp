// Runs with the screenshots on the same X server (xcb): the windows the
// window program builds, every one of the five screens in both editions,
// with the real fonts and the screen's own scale.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include "qt/view_fixture.h"

namespace scanfee::qtview {
namespace {

using testing::ViewTest;

struct EditionCase {
    int16 edition;
    const char* name;
};

void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

class ScreenLayoutTest : public ViewTest, public ::testing::WithParamInterface<EditionCase> {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run this test on an X server, as the screenshot test does";
        start(GetParam().edition, 0);  // the window program's scale
        // Every form shown at once: their windows are laid out as when the
        // program shows them one by one.
        for (const auto& form : screen_model().forms()) form->show();
        QApplication::processEvents();
    }
};

TEST_P(ScreenLayoutTest, EveryControlLiesInsideItsWindow) {
    for (const auto& form : screen_model().forms()) {
        QWidget* window = view_->widget(*form);
        ASSERT_NE(window, nullptr) << form->name();
        ASSERT_TRUE(window->isVisible()) << form->name();
        const QRect inside = window->rect();
        for (const auto& control : form->controls()) {
            QWidget* w = view_->widget(*control);
            ASSERT_NE(w, nullptr) << control->name();
            const QRect place(w->mapTo(window, QPoint(0, 0)), w->size());
            EXPECT_TRUE(inside.contains(place))
                << form->name() << " " << inside.width() << "x" << inside.height() << ": "
                << control->name() << " at " << place.x() << "," << place.y() << " "
                << place.width() << "x" << place.height();
            EXPECT_FALSE(place.isEmpty()) << control->name();
        }
    }
}

TEST_P(ScreenLayoutTest, WindowsAreAtLeastTheirDesignSize) {
    for (const auto& form : screen_model().forms()) {
        QWidget* window = view_->widget(*form);
        ASSERT_NE(window, nullptr);
        const ui::Rect& design = form->geometry();
        EXPECT_GE(window->width(), int(design.w * view_->scale())) << form->name();
        EXPECT_GE(window->height(), int(design.h * view_->scale())) << form->name();
    }
}

// The title list and the statement line their columns up with blanks.
TEST_P(ScreenLayoutTest, TitleListAndStatementRenderInAFixedPitchFace) {
    for (const char* name : {"LIST1", "EDIT6"}) {
        QWidget* w = widget(name);
        ASSERT_NE(w, nullptr);
        QFont font = w->font();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) font = edit->document()->defaultFont();
        const QString family = QFontInfo(font).family();
        EXPECT_TRUE(family == QStringLiteral("IPAMincho") || family == QStringLiteral("IPAGothic"))
            << name << " renders in " << family.toStdString();
        const QFontMetrics m(font);
        EXPECT_EQ(m.horizontalAdvance(QStringLiteral("A")) * 2,
                  m.horizontalAdvance(QString::fromUtf8("あ")))
            << name;
        EXPECT_EQ(m.horizontalAdvance(QStringLiteral("i")), m.horizontalAdvance(QStringLiteral("W")))
            << name;
        EXPECT_EQ(m.horizontalAdvance(QStringLiteral("1234567890")),
                  m.horizontalAdvance(QString::fromUtf8("　　　　　")))
            << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, ScreenLayoutTest,
                         ::testing::Values(EditionCase{EDITION_CUSTOMER, "customer"},
                                           EditionCase{EDITION_SHOP, "shop"}));

}  // namespace
}  // namespace scanfee::qtview
