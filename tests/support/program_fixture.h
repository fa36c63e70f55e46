#pragma once
// Starts the whole program on a clean order for a test, with recorded
// dialogs, and raises user events as the window program would.
#include <gtest/gtest.h>

#include <string>

#include "core/main_loop.h"
#include "core/order_state.h"
#include "core/program.h"
#include "core/startup.h"
#include "runtime/sjis.h"
#include "screens/controls.h"
#include "support/fake_dialogs.h"
#include "ui/user_actions.h"

namespace scanfee::testing {

using namespace rt::literals;

class ProgramTest : public ::testing::Test {
protected:
    FakeDialogs dialogs;

    void start(int16 edition = EDITION_CUSTOMER, const std::string& today = "2016/04/29") {
        reset_program();
        ui::set_dialog_service(&dialogs);
        start_up({edition, today});
        dialogs.seen.clear();
    }
    void TearDown() override { ui::set_dialog_service(nullptr); }

    static screens::Controls& c() { return screens::scr(); }
    static OrderState& s() { return order(); }

    static void click(ui::Control* control) {
        ASSERT_TRUE(ui::user_can_reach(*control)) << control->name() << " is not reachable";
        handle_event(ui::user_click(*control));
    }
    static void type(ui::Control* control, const std::string& sjis) {
        ASSERT_TRUE(ui::user_can_reach(*control)) << control->name() << " is not reachable";
        handle_event(ui::user_type(*control, sjis));
    }
    static void select(ui::Control* control, int row) {
        ASSERT_TRUE(ui::user_can_reach(*control)) << control->name() << " is not reachable";
        handle_event(ui::user_select(*control, row));
    }
    static void scroll(ui::Control* control, int pos) {
        ASSERT_TRUE(ui::user_can_reach(*control)) << control->name() << " is not reachable";
        handle_event(ui::user_scroll(*control, pos));
    }
    // Opens the entry screen on a new title of the category's open list.
    void add_title(ui::Control* category_button, const std::string& title) {
        if (c().MAINFORM->visible()) click(category_button);
        select(c().LIST1, order().ADD_ROW);
        type(c().EDIT1, title);
    }
};

}  // namespace scanfee::testing
