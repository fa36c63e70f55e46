// The windows as a desktop user expects them: never smaller than designed,
// the program's icon, the summary where it was last closed, the screens'
// colours, dialogs in the screens' face without theme icons.
#include <QAbstractButton>
#include <QGroupBox>
#include <QMessageBox>
#include <sys/stat.h>

#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include "qt/dialog_look.h"
#include "qt/font_map.h"
#include "qt/message_box.h"
#include "qt/program_icon.h"
#include "qt/view_fixture.h"
#include "qt/widget_mirror.h"
#include "qt/window_place.h"
#include "runtime/sjis.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

class WindowTest : public ViewTest {
protected:
    void SetUp() override { QSettings().clear(); }
    void TearDown() override {
        ViewTest::TearDown();
        QSettings().clear();
    }
};

TEST_F(WindowTest, NoFormCanBeMadeSmallerThanItsDesign) {
    // Every design fits the test's screen at this scale (a larger one is
    // kept within the screen, see window_fit_test.cpp).
    start(EDITION_CUSTOMER, 1.2);
    for (const auto& form : screen_model().forms()) {
        SCOPED_TRACE(form->name());
        QWidget* window = view_->widget(*form);
        const QSize design = scaled(form->geometry(), 1.2).size();
        window->resize(100, 80);
        EXPECT_GE(window->width(), design.width());
        EXPECT_GE(window->height(), design.height());
    }
    // The summary screen still grows.
    QWidget* summary = view_->widget("MAINFORM");
    const int design_width = scaled(control("MAINFORM").geometry(), 1.2).width();
    summary->resize(design_width + 100, summary->height() + 50);
    EXPECT_EQ(summary->width(), design_width + 100);
}

TEST_F(WindowTest, EveryFormCarriesTheProgramsIcon) {
    start();
    const QIcon icon = program_icon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(64, 64)));
    for (const auto& form : screen_model().forms())
        EXPECT_EQ(view_->widget(*form)->windowIcon().cacheKey(), icon.cacheKey()) << form->name();
}

TEST_F(WindowTest, SummaryOpensWhereItWasLastClosed) {
    start();
    view_->widget("MAINFORM")->move(123, 77);
    // Hidden for the title list, then the run ends on another screen.
    click("BUTTON5");
    view_->widget("FORM2")->move(300, 200);
    view_.reset();
    build_view();
    control("MAINFORM").show();
    EXPECT_EQ(view_->widget("MAINFORM")->pos(), QPoint(123, 77));
}

TEST_F(WindowTest, AScreenTakesThePlaceOfTheOneItReplaces) {
    start();
    view_->widget("MAINFORM")->move(150, 60);
    // A screen shown before the summary is hidden (as the statement is).
    control("FORM2").show();
    control("MAINFORM").hide();
    EXPECT_EQ(view_->widget("FORM2")->pos(), QPoint(150, 60));
    view_->widget("FORM2")->move(90, 40);
    control("FORM2").hide();
    control("MAINFORM").show();
    EXPECT_EQ(view_->widget("MAINFORM")->pos(), QPoint(90, 40));
}

TEST_F(WindowTest, APlaceOffEveryScreenIsBroughtBack) {
    remember_place(QStringLiteral("MAINFORM"), QPoint(-5000, 9000));
    start();
    QWidget* summary = view_->widget("MAINFORM");
    const QRect screen = summary->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(summary->pos())) << summary->pos().x() << "," << summary->pos().y();
}

TEST_F(WindowTest, AnUnmovedPlaceLeavesTheSettingsFileAlone) {
    remember_place(QStringLiteral("MAINFORM"), QPoint(40, 30));
    const QString file = QSettings().fileName();
    // Settings are written by replacing the file: a new inode each time.
    auto inode = [&] {
        struct stat info {};
        return ::stat(file.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : ino_t(0);
    };
    const auto written = QFileInfo(file).lastModified();
    const ino_t first = inode();
    ASSERT_NE(first, ino_t(0));
    QThread::msleep(20);
    remember_place(QStringLiteral("MAINFORM"), QPoint(40, 30));
    EXPECT_EQ(QFileInfo(file).lastModified(), written);
    EXPECT_EQ(inode(), first);
    remember_place(QStringLiteral("MAINFORM"), QPoint(41, 30));
    EXPECT_EQ(QSettings().value(QStringLiteral("windows/MAINFORM/place")).toPoint(), QPoint(41, 30));
}

struct PlaceCase {
    const char* name;
    QPoint place;
    QPoint expected;
};

TEST(WindowPlaceTest, APlaceStaysWhenItsCaptionBarCanBeReached) {
    const std::vector<QRect> screens = {QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    const QSize size(646, 418);
    const QPoint centred((1280 - 646) / 2, (1024 - 418) / 2);
    const std::vector<PlaceCase> cases = {
        {"on the first screen", {100, 100}, {100, 100}},
        {"on the second screen", {2000, 300}, {2000, 300}},
        {"across both", {1000, 10}, {1000, 10}},
        {"hanging off the left, caption still there", {-400, 20}, {-400, 20}},
        {"only a sliver left", {-630, 20}, centred},
        {"below every screen", {100, 1100}, centred},
        {"above every screen", {100, -300}, centred},
        {"where a screen was unplugged", {3500, 100}, centred},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(onto_screens(c.place, size, screens), c.expected);
    }
}

QColor colour_at(QWidget* window, QWidget* w, QPoint at) {
    return window->grab().toImage().pixelColor(w->mapTo(window, at));
}

TEST_F(WindowTest, CheckAndRadioButtonsAreWhiteAndTheGroupCaptionSitsOnItsFrame) {
    start();
    click("BUTTON5");
    view_->dispatcher().act(control("LIST1"), [](ui::Control& c) { return ui::user_select(c, 0); });
    QWidget* form = view_->widget("FORM3");
    const QColor white(255, 255, 255);
    const QColor face(240, 240, 240);
    for (const char* name : {"CHECK1", "RADIO3", "RADIO5"}) {
        QWidget* w = widget(name);
        EXPECT_EQ(colour_at(form, w, QPoint(w->width() - 2, w->height() / 2)), white) << name;
    }
    auto* group = widget<QGroupBox>("GROUP2");
    // Above the frame line, right of the caption: the form's own face.
    EXPECT_EQ(colour_at(form, group, QPoint(group->width() - 3, 1)), face);
    // Inside the frame, below the radio buttons: the box's white.
    EXPECT_EQ(colour_at(form, group, QPoint(group->width() - 4, group->height() - 4)), white);
}

TEST(DialogLookTest, MessageBoxesUseTheScreensFaceAndNoThemeIcons) {
    for (ui::Buttons buttons : {ui::Buttons::Ok, ui::Buttons::OkCancel, ui::Buttons::YesNo,
                                ui::Buttons::YesNoCancel, ui::Buttons::AbortRetryIgnore}) {
        SCOPED_TRACE(int(buttons));
        auto box = make_message_box(nullptr, "caption"_sj, "本文"_sj, buttons, ui::Icon::Information);
        const QFont expected = screen_text_font(true);
        for (QWidget* w : box->findChildren<QWidget*>()) {
            EXPECT_EQ(w->font().family(), expected.family());
            EXPECT_EQ(w->font().pixelSize(), expected.pixelSize());
        }
        for (QAbstractButton* b : box->buttons()) EXPECT_TRUE(b->icon().isNull()) << b->text().toStdString();
        // The box keeps the icon that tells what kind of message it is.
        EXPECT_FALSE(box->iconPixmap().isNull());
    }
}

}  // namespace
}  // namespace scanfee::qtview::testing
