#include <gtest/gtest.h>

#include <sstream>

#include "app/driver/driver_error.h"
#include "app/driver/script_dialogs.h"
#include "runtime/sjis.h"

namespace scanfee::driver {
namespace {

using namespace rt::literals;

TEST(ScriptDialogs, FileDialogsAndInputBoxesTakeTheirQueuedAnswers) {
    std::ostringstream out;
    ScriptDialogs dialogs(out);
    dialogs.queue({QueuedAnswer::File, "/tmp/注文.SAV"});
    dialogs.queue({QueuedAnswer::Cancel, {}});
    dialogs.queue({QueuedAnswer::Text, "16042901"});
    EXPECT_EQ(dialogs.save_dialog(nullptr, "セーブ"_sj, "/tmp/*.SAV", "ｾｰﾌﾞ形式(*.SAV)"_sj),
              "/tmp/注文.SAV");
    EXPECT_EQ(dialogs.open_dialog(nullptr, "ロード"_sj, "/tmp/", ""), ui::CANCEL_MARK);
    EXPECT_EQ(dialogs.input_box(nullptr, "申込No"_sj, "番号"_sj, "1"), "16042901");
    EXPECT_EQ(out.str(),
              "save|セーブ|/tmp/*.SAV|ｾｰﾌﾞ形式(*.SAV) -> /tmp/注文.SAV\n"
              "open|ロード|/tmp/| -> cancel\n"
              "input|申込No|番号|1 -> 16042901\n");
}

TEST(ScriptDialogs, AnAnswerOfTheWrongKindOrNoneStopsTheRun) {
    std::ostringstream out;
    ScriptDialogs dialogs(out);
    dialogs.queue({QueuedAnswer::Text, "x"});
    EXPECT_THROW(dialogs.save_dialog(nullptr, "t", "", ""), DriverError);
    dialogs.queue({QueuedAnswer::File, "/tmp/a"});
    EXPECT_THROW(dialogs.input_box(nullptr, "c", "p", ""), DriverError);
    dialogs.queue({QueuedAnswer::Cancel, {}});
    EXPECT_THROW(dialogs.message_box(nullptr, "c", "t", ui::Buttons::Ok, ui::Icon::Stop),
                 DriverError);
    EXPECT_THROW(dialogs.message_box(nullptr, "c", "t", ui::Buttons::Ok, ui::Icon::Stop),
                 DriverError);
    EXPECT_EQ(out.str(), "save|t||\ninput|c|p|\nmsgbox|c|t|ok|stop\nmsgbox|c|t|ok|stop\n");
}

}  // namespace
}  // namespace scanfee::driver
