#include <gtest/gtest.h>

#include "runtime/fatal.h"
#include "runtime/sjis.h"
#include "support/fake_dialogs.h"
#include "support/fatal_number.h"
#include "ui/dialogs.h"

namespace scanfee::ui {
namespace {

using namespace rt::literals;

class DialogCalls : public ::testing::Test {
protected:
    testing::FakeDialogs fake;
    void SetUp() override { set_dialog_service(&fake); }
    void TearDown() override { set_dialog_service(nullptr); }
};

TEST_F(DialogCalls, InputBoxKeepsSixtyFourBytesWithoutSplittingACharacter) {
    fake.replies = {std::string(63, '1') + "あ"_sj, std::string(70, '2'), "", CANCEL_MARK};
    EXPECT_EQ(input_box(nullptr, "c", "p", ""), std::string(63, '1'));
    EXPECT_EQ(input_box(nullptr, "c", "p", ""), std::string(64, '2'));
    EXPECT_EQ(input_box(nullptr, "c", "p", ""), "") << "OK on an empty field is an empty text";
    EXPECT_EQ(input_box(nullptr, "c", "p", ""), CANCEL_MARK);
}

TEST_F(DialogCalls, OverlongTitlesAreInvalidArguments) {
    EXPECT_EQ(testing::fatal_number([] { save_dialog(nullptr, std::string(65, 'x'), "", ""); }),
              rt::ERR_INVALID_ARGUMENT);
    EXPECT_TRUE(fake.seen.empty());
    EXPECT_EQ(save_dialog(nullptr, std::string(64, 'x'), "", ""), CANCEL_MARK);
}

}  // namespace
}  // namespace scanfee::ui
