// The window program's endings leave the running event loop with the run's
// exit status, even from inside a handler's own modal dialog.
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

#include "qt/guarded_application.h"
#include "qt/view_fixture.h"
#include "runtime/fatal.h"
#include "runtime/sjis.h"

namespace scanfee::qtview::testing {
namespace {

class RunEndingsTest : public ViewTest {
protected:
    void start_with_application_endings() {
        reset_program();
        ui::set_dialog_service(&dialogs_);
        start_up(StartOptions{EDITION_CUSTOMER, "2016/04/29"});
        ViewOptions options;
        options.scale = 1.0;  // the endings stay the application's own
        view_ = std::make_unique<ScreenView>(screen_model(), options);
    }

    // Runs the event loop until the run ends; a safety timer ends it with -1.
    int exec_with(std::function<void()> user) {
        QTimer::singleShot(0, std::move(user));
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        safety.start(5000);
        return QApplication::exec();
    }

    // Accepts every report box as soon as it shows, noting its caption and icon.
    void accept_report_boxes() {
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown_caption_ = box->windowTitle();
                shown_icon_ = box->icon();
                box->accept();
            }
        });
        closer_.start(10);
    }

    QTimer closer_;
    QString shown_caption_;
    QMessageBox::Icon shown_icon_ = QMessageBox::NoIcon;
};

TEST_F(RunEndingsTest, EndButtonEndsTheLoopWithStatus0) {
    start_with_application_endings();
    EXPECT_EQ(exec_with([this] { click("BUTTON1"); }), 0);
}

TEST_F(RunEndingsTest, SummaryScreensFrameEndsTheRunLikeItsEndButton) {
    start_with_application_endings();
    EXPECT_EQ(exec_with([this] { view_->widget("MAINFORM")->close(); }), 0);
}

TEST_F(RunEndingsTest, FatalErrorShowsAWarningBoxAndEndsWithStatus3) {
    start_with_application_endings();
    event_table().on("BUTTON3_ON", [] { SCANFEE_FATAL(rt::ERR_DISK_FULL); });
    accept_report_boxes();
    EXPECT_EQ(exec_with([this] { click("BUTTON3"); }), 3);
    EXPECT_EQ(shown_caption_.toStdString(), rt::FatalError::caption());
    EXPECT_EQ(shown_icon_, QMessageBox::Warning);
}

// An object whose own event handling fails outside the program's dispatcher.
class FailingObject : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::out_of_range("view");
        return QObject::event(e);
    }
};

TEST_F(RunEndingsTest, AnExceptionAnywhereInQtsEventDeliveryIsTheLastResort) {
    auto* app = dynamic_cast<GuardedApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    FailingObject failing;
    accept_report_boxes();
    EXPECT_EQ(exec_with([&] { QCoreApplication::postEvent(&failing, new QEvent(QEvent::User)); }),
              3);
    ASSERT_NE(app->report(), nullptr);
    EXPECT_TRUE(app->report()->last_resort);
    EXPECT_EQ(shown_icon_, QMessageBox::Critical);
    const std::string text = app->report()->text;
    EXPECT_EQ(text.rfind(rt::to_sjis("続行不可能なエラーが発生しました guarded_application.cpp ["), 0), 0u)
        << text;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
}  // namespace scanfee::qtview::testing
