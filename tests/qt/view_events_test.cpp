// What a user does to the real widgets reaches the program as model events.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "qt/view_fixture.h"
#include "runtime/fatal.h"
#include "runtime/sjis.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

// One visible form with one control of every kind that takes user actions.
class HandMadeViewTest : public ViewTest {
protected:
    void SetUp() override {
        reset_program();
        ui::Form& f = screen_model().add_form("FORMX", "X", 400, 300, ui::FrameStyle::Dialog);
        f.add(ui::Kind::Button, "BUTTONA", "A").at(8, 8, 80, 24);
        f.add(ui::Kind::Button, "BUTTONB", "B").at(96, 8, 80, 24);
        f.add(ui::Kind::Radio, "RADIOA", "a").at(8, 40, 80, 16).in_group("GROUPX").checked_at_first();
        f.add(ui::Kind::Radio, "RADIOB", "b").at(8, 60, 80, 16).in_group("GROUPX");
        f.add(ui::Kind::Group, "GROUPX", "g").at(0, 32, 100, 50);
        f.add(ui::Kind::CheckBox, "CHECKA", "c").at(120, 40, 80, 16);
        f.add(ui::Kind::List, "LISTA").at(8, 100, 120, 120);
        f.add(ui::Kind::List, "LISTM").at(136, 100, 120, 120).multiple_selection();
        f.add(ui::Kind::Combo, "COMBOA").at(264, 100, 120, 80);
        f.add(ui::Kind::HScroll, "HSCROLLA").at(8, 240, 200, 16);
        f.show();
        for (const char* item : {"one", "two", "three"}) {
            control("LISTA").add_item(item);
            control("LISTM").add_item(item);
            control("COMBOA").add_item(item);
        }
        control("HSCROLLA").set_range(50, 600);
        control("HSCROLLA").set_steps(1, 10);
        control("HSCROLLA").set_pos(100);
        build_view();
        for (const char* e : {"BUTTONA_ON", "RADIOA_ON", "RADIOB_ON", "CHECKA_ON", "LISTA_CLICK",
                              "LISTM_CLICK", "COMBOA_CHANGE", "HSCROLLA_CHANGE"})
            record(e);
    }

    void click_row(const char* list, int row) {
        auto* w = widget<QListWidget>(list);
        const QPoint at = row < 0 ? QPoint(10, w->viewport()->height() - 4)
                                  : w->visualItemRect(w->item(row)).center();
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, at);
    }
};

TEST_F(HandMadeViewTest, ButtonClickRaisesItsEventOnce) {
    click("BUTTONA");
    EXPECT_EQ(raised_, std::vector<std::string>{"BUTTONA_ON"});
}

TEST_F(HandMadeViewTest, RadioButtonsExcludeEachOtherThroughTheModel) {
    click("RADIOB");
    EXPECT_EQ(control("RADIOB").checked(), 1);
    EXPECT_EQ(control("RADIOA").checked(), 0);
    EXPECT_TRUE(widget<QRadioButton>("RADIOB")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("RADIOA")->isChecked());
    // A second click on the checked radio button would untick a
    // non-exclusive Qt radio button by itself; the model keeps it ticked.
    click("RADIOB");
    EXPECT_EQ(control("RADIOB").checked(), 1);
    EXPECT_TRUE(widget<QRadioButton>("RADIOB")->isChecked());
    EXPECT_EQ(raised_, (std::vector<std::string>{"RADIOB_ON", "RADIOB_ON"}));
}

TEST_F(HandMadeViewTest, CheckBoxStateIsChangedBeforeItsEvent) {
    int seen = -1;
    event_table().on("CHECKA_ON", [&] { seen = control("CHECKA").checked(); });
    click("CHECKA");
    EXPECT_EQ(seen, 1);
    click("CHECKA");
    EXPECT_EQ(seen, 0);
    EXPECT_FALSE(widget<QCheckBox>("CHECKA")->isChecked());
}

TEST_F(HandMadeViewTest, ListClickSelectsTheRowAndBelowTheLastRowSelectsNone) {
    int seen = -2;
    event_table().on("LISTA_CLICK", [&] { seen = control("LISTA").selected(); });
    click_row("LISTA", 1);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(widget<QListWidget>("LISTA")->currentRow(), 1);
    click_row("LISTA", -1);
    EXPECT_EQ(seen, -1);
    EXPECT_TRUE(widget<QListWidget>("LISTA")->selectedItems().isEmpty());
}

TEST_F(HandMadeViewTest, ListKeysMoveTheCaretAndSpaceClicksItsRow) {
    auto* w = widget<QListWidget>("LISTA");
    click_row("LISTA", 0);
    raised_.clear();
    QTest::keyClick(w, Qt::Key_Down);
    QTest::keyClick(w, Qt::Key_Down);
    EXPECT_EQ(w->currentRow(), 2);
    EXPECT_TRUE(w->item(0)->isSelected());
    EXPECT_FALSE(w->item(2)->isSelected());
    EXPECT_EQ(control("LISTA").selected(), 0);
    EXPECT_TRUE(raised_.empty());
    QTest::keyClick(w, Qt::Key_Space);
    EXPECT_EQ(control("LISTA").selected(), 2);
    EXPECT_TRUE(w->item(2)->isSelected());
    EXPECT_FALSE(w->item(0)->isSelected());
    EXPECT_EQ(raised_, std::vector<std::string>{"LISTA_CLICK"});
}

TEST_F(HandMadeViewTest, MultipleSelectionListTogglesTheClickedRow) {
    click_row("LISTM", 0);
    click_row("LISTM", 2);
    click_row("LISTM", 0);
    const ui::Control& list = control("LISTM");
    EXPECT_FALSE(list.is_item_selected(0));
    EXPECT_TRUE(list.is_item_selected(2));
    EXPECT_EQ(list.selected_count(), 1);
    auto* w = widget<QListWidget>("LISTM");
    EXPECT_FALSE(w->item(0)->isSelected());
    EXPECT_TRUE(w->item(2)->isSelected());
    EXPECT_EQ(raised_.size(), 3u);
}

TEST_F(HandMadeViewTest, ComboChoosingAnEntryAndTypingBothRaiseItsChange) {
    auto* combo = widget<QComboBox>("COMBOA");
    // activated() is what a choice in the drop-down list emits.
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(control("COMBOA").selected(), 2);
    EXPECT_EQ(control("COMBOA").text(), "three");
    QTest::keyClicks(combo->lineEdit(), "x");
    EXPECT_EQ(control("COMBOA").text(), "threex");
    EXPECT_EQ(raised_, (std::vector<std::string>{"COMBOA_CHANGE", "COMBOA_CHANGE"}));
}

TEST_F(HandMadeViewTest, ScrollBarMovedByTheUserRaisesItsChangeAtTheNewPosition) {
    int seen = 0;
    event_table().on("HSCROLLA_CHANGE", [&] { seen = control("HSCROLLA").pos(); });
    auto* bar = widget<QScrollBar>("HSCROLLA");
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(seen, 101);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(seen, 111);
    EXPECT_EQ(bar->value(), 111);
}

TEST_F(HandMadeViewTest, AHandlerCanCorrectTheScrollPositionTheUserChose) {
    event_table().on("HSCROLLA_CHANGE", [&] { control("HSCROLLA").set_pos(300); });
    widget<QScrollBar>("HSCROLLA")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(widget<QScrollBar>("HSCROLLA")->value(), 300);
}

TEST_F(HandMadeViewTest, ActionsOnHiddenOrDisabledControlsAreDropped) {
    control("BUTTONA").set_enabled(false);
    EXPECT_FALSE(view_->dispatcher().act(control("BUTTONA"), ui::user_click));
    control("BUTTONA").set_enabled(true);
    control("BUTTONA").hide();
    EXPECT_FALSE(view_->dispatcher().act(control("BUTTONA"), ui::user_click));
    EXPECT_TRUE(raised_.empty());
}

TEST_F(HandMadeViewTest, AnActionDuringAnotherEventIsDropped) {
    event_table().on("BUTTONB_ON", [&] { click("BUTTONA"); });
    click("BUTTONB");
    EXPECT_TRUE(raised_.empty());
}

TEST_F(HandMadeViewTest, EndRequestEndsTheRunAfterTheEvent) {
    event_table().on("BUTTONA_ON", [] { request_end(); });
    click("BUTTONA");
    EXPECT_EQ(ends_, 1);
    EXPECT_TRUE(view_->dispatcher().ended());
    event_table().on("BUTTONB_ON", [&] { raised_.push_back("BUTTONB_ON"); });
    click("BUTTONB");
    EXPECT_TRUE(raised_.empty());
}

TEST_F(HandMadeViewTest, FatalErrorInAHandlerIsReportedAndEndsTheRunWithStatus3) {
    event_table().on("BUTTONA_ON", [] { SCANFEE_FATAL(rt::ERR_DIVISION_BY_ZERO); });
    click("BUTTONA");
    ASSERT_TRUE(fatal_.has_value());
    EXPECT_EQ(fatal_->status, 3);
    EXPECT_EQ(fatal_->caption, rt::FatalError::caption());
    EXPECT_NE(fatal_->text.find("[11]"), std::string::npos) << fatal_->text;
    EXPECT_FALSE(fatal_->last_resort);
    EXPECT_EQ(ends_, 0);
}

TEST_F(HandMadeViewTest, AnyOtherExceptionIsTheLastResortReport) {
    event_table().on("BUTTONA_ON", [] { throw std::logic_error("broken"); });
    click("BUTTONA");
    ASSERT_TRUE(fatal_.has_value());
    EXPECT_TRUE(fatal_->last_resort);
    EXPECT_EQ(fatal_->text.rfind("続行不可能なエラーが発生しました"_sj, 0), 0u);
}

TEST_F(HandMadeViewTest, MirroredChangesRaiseNoEvents) {
    control("RADIOB").set_checked(1);
    control("CHECKA").set_checked(1);
    control("LISTA").set_selected(2);
    control("COMBOA").set_selected(1);
    control("COMBOA").set_text("typed");
    control("HSCROLLA").set_pos(400);
    EXPECT_TRUE(raised_.empty());
}

// The real screens with their real handlers.
class ScreensViewTest : public ViewTest {};

TEST_F(ScreensViewTest, ClickOnTheRealButtonRaisesItsEvent) {
    start();
    record("BUTTON3_ON");
    click("BUTTON3");
    EXPECT_EQ(raised_, std::vector<std::string>{"BUTTON3_ON"});
}

TEST_F(ScreensViewTest, CategoryButtonOpensTheTitleListAndItsFrameLeadsBack) {
    start();
    click("BUTTON5");
    QWidget* main = view_->widget("MAINFORM");
    QWidget* list = view_->widget("FORM2");
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(list->close() == false);  // the close is refused, the model decides
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(list->isVisible());
}

TEST_F(ScreensViewTest, ClosingFormsByTheirFrameRaisesTheScreensWayOut) {
    start();
    record("BUTTON11_ON");
    record("BUTTON1_ON");
    control("FORM2").show();
    view_->widget("FORM2")->close();
    EXPECT_TRUE(view_->widget("FORM2")->isVisible());
    view_->widget("MAINFORM")->close();
    EXPECT_EQ(raised_, (std::vector<std::string>{"BUTTON11_ON", "BUTTON1_ON"}));
}

TEST_F(ScreensViewTest, ClosingAHiddenFormRaisesNothing) {
    start();
    record("BUTTON21_ON");
    view_->widget("FORM5")->close();
    EXPECT_TRUE(raised_.empty());
}

}  // namespace
}  // namespace scanfee::qtview::testing
