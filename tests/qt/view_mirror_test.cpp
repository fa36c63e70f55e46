// Every change of the model shows in its widget at once, without a trip
// through the event loop.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "qt/form_window.h"
#include "qt/view_fixture.h"
#include "runtime/sjis.h"

namespace scanfee::qtview::testing {
namespace {

using rt::literals::operator""_sj;

class MirrorTest : public ViewTest {
protected:
    void SetUp() override { start(EDITION_CUSTOMER); }
};

TEST_F(MirrorTest, EveryControlHasAWidgetNamedAfterIt) {
    for (const auto& form : screen_model().forms()) {
        QWidget* window = view_->widget(*form);
        ASSERT_NE(window, nullptr) << form->name();
        EXPECT_TRUE(window->isWindow());
        for (const auto& c : form->controls()) {
            QWidget* w = view_->widget(*c);
            ASSERT_NE(w, nullptr) << c->name();
            EXPECT_EQ(w->objectName().toStdString(), c->name());
            EXPECT_EQ(w->window(), window) << c->name();
        }
    }
}

TEST_F(MirrorTest, OnlyTheSummaryScreenIsShownAtStartWithItsCaption) {
    for (const auto& form : screen_model().forms())
        EXPECT_EQ(view_->widget(*form)->isVisible(), form->name() == "MAINFORM") << form->name();
    EXPECT_EQ(view_->widget("MAINFORM")->windowTitle(),
              QString::fromUtf8("ミクリ計算総合画面 Ｖｅｒ.5.0 20160415"));
}

TEST_F(MirrorTest, TextsShowAtOnce) {
    control("TEXT2").set_text("１２３円"_sj);
    EXPECT_EQ(widget<QLabel>("TEXT2")->text(), QString::fromUtf8("１２３円"));
    control("BUTTON5").set_text("A&B");
    EXPECT_EQ(widget<QPushButton>("BUTTON5")->text(), "A&&B");  // no access key
    control("EDIT6").set_text("line 1\r\nline 2"_sj);
    EXPECT_EQ(widget<QPlainTextEdit>("EDIT6")->toPlainText(), "line 1\nline 2");
    control("FORM2").set_text("コミック"_sj);
    EXPECT_EQ(view_->widget("FORM2")->windowTitle(), QString::fromUtf8("コミック"));
}

TEST_F(MirrorTest, VisibilityOfControlsAndFormsShowsAtOnce) {
    control("BUTTON15").hide();
    EXPECT_TRUE(widget("BUTTON15")->isHidden());
    control("BUTTON15").show();
    EXPECT_FALSE(widget("BUTTON15")->isHidden());
    control("MAINFORM").hide();
    control("FORM3").show();
    EXPECT_FALSE(view_->widget("MAINFORM")->isVisible());
    EXPECT_TRUE(view_->widget("FORM3")->isVisible());
    // The customer edition never shows the compensation box, even on a shown screen.
    EXPECT_FALSE(widget("CHECK6")->isVisible());
}

TEST_F(MirrorTest, EnabledCheckedAndScrollStatesShowAtOnce) {
    control("BUTTON2").set_enabled(false);
    EXPECT_FALSE(widget("BUTTON2")->isEnabled());
    control("CHECK1").set_checked(1);
    EXPECT_TRUE(widget<QCheckBox>("CHECK1")->isChecked());
    auto* bar = widget<QScrollBar>("HSCROLL1");
    EXPECT_EQ(bar->minimum(), 50);
    EXPECT_EQ(bar->maximum(), 600);
    EXPECT_EQ(bar->singleStep(), 1);
    EXPECT_EQ(bar->pageStep(), 10);
    control("HSCROLL1").set_pos(333);
    EXPECT_EQ(bar->value(), 333);
}

TEST_F(MirrorTest, ListItemsAndSelectionShowAtOnce) {
    ui::Control& list = control("LIST1");
    list.clear_items();
    list.add_item("  1 ABC"_sj);
    list.add_item("タイトルを追加"_sj);
    auto* w = widget<QListWidget>("LIST1");
    ASSERT_EQ(w->count(), 2);
    EXPECT_EQ(w->item(1)->text(), QString::fromUtf8("タイトルを追加"));
    list.set_selected(1);
    EXPECT_TRUE(w->item(1)->isSelected());
    list.clear_items();
    EXPECT_EQ(w->count(), 0);

    ui::Control& multi = control("LIST2");
    for (const char* item : {"a", "b", "c"}) multi.add_item(item);
    multi.set_item_selected(0, true);
    multi.set_item_selected(2, true);
    auto* m = widget<QListWidget>("LIST2");
    EXPECT_EQ(m->selectionMode(), QAbstractItemView::MultiSelection);
    EXPECT_TRUE(m->item(0)->isSelected());
    EXPECT_FALSE(m->item(1)->isSelected());
    EXPECT_TRUE(m->item(2)->isSelected());
}

TEST_F(MirrorTest, ARefilledListShowsTheNewRowsWhereverTheyDiffer) {
    ui::Control& list = control("LIST1");
    auto* w = widget<QListWidget>("LIST1");
    auto rows = [&] {
        QStringList shown;
        for (int i = 0; i < w->count(); ++i) shown << w->item(i)->text();
        return shown;
    };
    const struct {
        const char* name;
        std::vector<std::string> items;
    } fills[] = {
        {"first fill", {"A", "B", "C"}},
        {"a row in the middle changed", {"A", "X", "C"}},
        {"a row added", {"A", "X", "C", "D"}},
        {"a row removed", {"A", "C", "D"}},
        {"the same again", {"A", "C", "D"}},
    };
    for (const auto& fill : fills) {
        SCOPED_TRACE(fill.name);
        list.clear_items();
        for (const std::string& item : fill.items) list.add_item(item);
        QStringList expected;
        for (const std::string& item : fill.items) expected << QString::fromStdString(item);
        EXPECT_EQ(rows(), expected);
    }
    list.set_item_selected(1, true);
    list.add_item("E");
    EXPECT_TRUE(w->item(1)->isSelected());
    EXPECT_EQ(w->selectedItems().size(), 1);
}

TEST_F(MirrorTest, ComboItemsKeepTheModelsEditText) {
    ui::Control& combo = control("COMBO1");
    combo.set_text("1234");
    combo.add_item("AAAA");
    combo.add_item("BBBB");
    auto* w = widget<QComboBox>("COMBO1");
    EXPECT_EQ(w->count(), 2);
    EXPECT_EQ(w->currentText(), "1234");
    combo.set_selected(1);
    EXPECT_EQ(w->currentIndex(), 1);
    EXPECT_EQ(w->currentText(), "1234");
    combo.clear_items();
    EXPECT_EQ(w->count(), 0);
    EXPECT_EQ(w->currentText(), "1234");
}

TEST_F(MirrorTest, DesignColoursAlignmentAndFaces) {
    EXPECT_EQ(widget("TEXT12")->palette().color(QPalette::Window), QColor(Qt::yellow));
    EXPECT_EQ(widget("TEXT1")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(view_->widget("MAINFORM")->palette().color(QPalette::Window), QColor(240, 240, 240));
    EXPECT_EQ(widget<QLabel>("TEXT1")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(widget<QLabel>("TEXT46")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(widget("TEXT12")->font().pixelSize(), 22);
    EXPECT_EQ(widget("TEXT56")->font().pixelSize(), 20);
    EXPECT_EQ(QFontInfo(widget("LIST1")->font()).family(), "IPAMincho");
    EXPECT_EQ(QFontInfo(widget("COMBO1")->font()).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(widget("TEXT1")->font()).family(), "IPAPGothic");
}

TEST_F(MirrorTest, AControlShowingACharacterItsFaceLacksTakesOtherFacesFromThenOn) {
    auto alone = [&](const char* name) {
        return bool(widget(name)->font().styleStrategy() & QFont::NoFontMerging);
    };
    EXPECT_TRUE(alone("TEXT1"));
    EXPECT_TRUE(alone("LIST1"));
    control("TEXT2").set_text("∑"_sj);
    EXPECT_FALSE(alone("TEXT2"));
    EXPECT_EQ(widget("TEXT2")->font().pixelSize(), 14);
    control("TEXT2").set_text("0"_sj);
    EXPECT_FALSE(alone("TEXT2"));  // a later return costs nothing
    EXPECT_TRUE(alone("TEXT4"));

    ui::Control& list = control("LIST1");
    list.add_item("  1 ABC"_sj);
    EXPECT_TRUE(alone("LIST1"));
    list.add_item("  2 ∑の本"_sj);
    EXPECT_FALSE(alone("LIST1"));
    EXPECT_EQ(QFontInfo(widget("LIST1")->font()).family(), "IPAMincho");

    ui::Control& combo = control("COMBO1");
    combo.add_item("\xF0\x40");
    EXPECT_FALSE(alone("COMBO1"));

    // Typed by the user into a title.
    click("BUTTON5");
    view_->dispatcher().act(control("LIST1"), [](ui::Control& c) { return ui::user_select(c, 0); });
    ASSERT_TRUE(view_->widget("FORM3")->isVisible());
    EXPECT_TRUE(alone("EDIT1"));
    QTest::keyClicks(widget("EDIT1"), "AB");
    QInputMethodEvent commit;  // as an input method gives a character
    commit.setCommitString(QString::fromUtf8("∑"));
    QApplication::sendEvent(widget("EDIT1"), &commit);
    EXPECT_EQ(control("EDIT1").text(), "AB∑"_sj);
    EXPECT_FALSE(alone("EDIT1"));
    EXPECT_TRUE(QFontMetrics(widget("EDIT1")->font()).inFontUcs4(0x2211));
    EXPECT_FALSE(QFontMetrics(widget("EDIT4")->font()).inFontUcs4(0x2211));
}

TEST_F(MirrorTest, AWrappedLabelGrowsToShowItsLastLine) {
    const std::string long_text =
        "コンビニ等で売られている、カバー表紙が無く、直接ＩＳＢＮバーコードが裏表紙に印刷されて"
        "いるコミックについては取り扱っておりません。"_sj;
    // Measured when its hidden screen is shown, then at every change.
    control("TEXT56").set_text(long_text);
    control("FORM3").show();
    QApplication::processEvents();
    EXPECT_GE(widget<QLabel>("TEXT56")->height(), widget<QLabel>("TEXT56")->heightForWidth(360));
    control("TEXT56").set_text("x");
    control("TEXT56").set_text(
        "コンビニ等で売られている、カバー表紙が無く、直接ＩＳＢＮバーコードが裏表紙に印刷されて"
        "いるコミックについては取り扱っておりません。"_sj);
    auto* label = widget<QLabel>("TEXT56");
    EXPECT_EQ(label->width(), 360);
    EXPECT_GE(label->height(), label->heightForWidth(360));
    EXPECT_GT(label->height(), 80);
    control("TEXT56").set_text("短い"_sj);
    EXPECT_EQ(label->height(), 80);
    EXPECT_EQ(widget("TEXT1")->height(), 16);
}

TEST_F(MirrorTest, StatementBoxIsReadOnlyWithBothScrollBars) {
    auto* edit = widget<QPlainTextEdit>("EDIT6");
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(MirrorTest, LabelsLieUnderGroupBoxesAndGroupBoxesUnderTheirRadioButtons) {
    control("FORM3").show();
    control("TEXT56").show();
    QWidget* form = view_->widget("FORM3");
    // TEXT56 spreads over GROUP1 and its radio buttons.
    QWidget* radio = widget("RADIO1");
    EXPECT_EQ(form->childAt(radio->geometry().center()), radio);
    const QRect group = widget("GROUP1")->geometry();
    QWidget* at_group_edge = form->childAt(group.left() + 2, group.bottom() - 2);
    ASSERT_NE(at_group_edge, nullptr);
    EXPECT_EQ(at_group_edge->objectName(), "GROUP1");
}

class ScaledViewTest : public ViewTest {};

TEST_F(ScaledViewTest, GeometryAndFontsFollowTheScale) {
    start(EDITION_CUSTOMER, 1.5);
    EXPECT_EQ(widget("BUTTON1")->geometry(), QRect(720, 468, 192, 72));
    EXPECT_EQ(widget("TEXT12")->font().pixelSize(), 33);
    auto* summary = dynamic_cast<FormWindow*>(view_->widget("MAINFORM"));
    ASSERT_NE(summary, nullptr);
    EXPECT_EQ(summary->design_size(), QSize(969, 627));
    // As large as designed where the screen has room for it.
    const QSize room = summary->screen()->availableGeometry().size();
    EXPECT_EQ(summary->width(), std::min(969, room.width() - (summary->frameGeometry().width() - summary->width())));
    EXPECT_GE(summary->height(), 627);
}

}  // namespace
}  // namespace scanfee::qtview::testing
