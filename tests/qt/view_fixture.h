#pragma once
// A started program with its Qt view, and the helpers that act on its real
// widgets as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/program.h"
#include "core/startup.h"
#include "qt/screen_view.h"
#include "ui/answering_dialogs.h"
#include "ui/user_actions.h"

namespace scanfee::qtview::testing {


class ViewTest : public ::testing::Test {
protected:
    void TearDown() override {
        view_.reset();
        reset_program();
        ui::set_dialog_service(nullptr);
    }

    // The program started in an edition on a day without the shop's reminder.
    void start(int16 edition = EDITION_CUSTOMER, double scale = 1.0) {
        reset_program();
        ui::set_dialog_service(&dialogs_);
        start_up(StartOptions{edition, "2016/04/29"});
        build_view(scale);
    }

    // A view of whatever screen_model() holds now.
    void build_view(double scale = 1.0) {
        ViewOptions options;
        options.scale = scale;
        options.endings.on_end = [this] { ++ends_; };
        options.endings.on_fatal = [this](const FatalReport& report) { fatal_ = report; };
        // Never the print dialog: tests see what would be printed.
        options.print = [this](QWidget*, const QString& text) {
            printed_.push_back(text);
            if (on_print_) on_print_(text);
        };
        view_ = std::make_unique<ScreenView>(screen_model(), options);
        QApplication::processEvents();
    }

    template <class W = QWidget>
    W* widget(const char* name) {
        W* w = qobject_cast<W*>(view_->widget(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // The line edit of an edit box, or the edit field of the combo box.
    QLineEdit* line_edit(const char* name) {
        if (auto* combo = qobject_cast<QComboBox*>(view_->widget(name))) return combo->lineEdit();
        return widget<QLineEdit>(name);
    }

    // What an input method hands over when the user confirms a conversion.
    static void commit(QLineEdit* target, const QString& text) {
        target->setFocus();
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(target, &event);
    }

    ui::Control& control(const char* name) {
        ui::Control* c = screen_model().find(name);
        if (!c) throw std::runtime_error(std::string("no control ") + name);
        return *c;
    }

    // Records every raise of `event` in place of its handler.
    void record(const std::string& event) {
        event_table().on(event, [this, event] { raised_.push_back(event); });
    }

    void click(const char* name) {
        QWidget* w = widget(name);
        ASSERT_TRUE(w && w->isVisible()) << name;
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
    }

    ui::AnsweringDialogs dialogs_;
    std::unique_ptr<ScreenView> view_;
    std::vector<std::string> raised_;
    int ends_ = 0;
    std::optional<FatalReport> fatal_;
    std::vector<QString> printed_;
    std::function<void(const QString&)> on_print_;
};

}  // namespace scanfee::qtview::testing
