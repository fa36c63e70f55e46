// The model as the page receives it: names in one spelling, texts in UTF-8
// and safe inside JSON, only the parts that changed.
#include <gtest/gtest.h>

#include "runtime/sjis.h"
#include "ui/model.h"
#include "ui/model_json.h"

namespace scanfee::ui {
namespace {

using namespace rt::literals;

TEST(ModelJson, StringsAreEscapedAndKeptAsUtf8) {
    const struct {
        std::string utf8, json;
    } cases[] = {
        {"", "\"\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"1\r\n2\t", "\"1\\u000d\\u000a2\\u0009\""},
        {"\x7f", "\"\\u007f\""},
        {"金額", "\"金額\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(json_string(c.utf8), c.json);
    }
}

class ModelJsonTest : public ::testing::Test {
protected:
    ScreenModel model;
    Form& form = model.add_form("form9", "画面"_sj, 300, 200, FrameStyle::Dialog);
};

TEST_F(ModelJsonTest, AChangeHoldsOnlyItsParts) {
    Control& list = form.add(Kind::List, "list1").at(1, 2, 30, 40).multiple_selection();
    list.add_item("一"_sj);
    list.add_item("二\\"_sj);
    list.set_item_selected(1, true);
    EXPECT_EQ(control_json(list, prop_bit(Prop::Selection)),
              R"({"name":"LIST1","selected":1,"selectedRows":[1]})");
    EXPECT_EQ(control_json(list, prop_bit(Prop::Items)),
              R"({"name":"LIST1","items":["一","二\\"],"selected":1,"selectedRows":[1]})");
    EXPECT_EQ(control_json(list, prop_bit(Prop::Geometry) | prop_bit(Prop::Visible)),
              R"({"name":"LIST1","visible":true,"x":1,"y":2,"w":30,"h":40})");
}

TEST_F(ModelJsonTest, AControlWholeSaysWhatItIsAndHowItIsLimited) {
    Control& box = form.add(Kind::Edit, "edit4").digits(6).with_font("ＭＳ Ｐゴシック"_sj, 14).flows(
        {20, FlowColumn::Box, 1});
    const std::string json = control_json(box, ALL_PROPS);
    for (const char* part : {R"("name":"EDIT4")", R"("kind":"edit")", R"("digitsOnly":true)",
                             R"("maxLength":6)", R"("ime":"off")", R"("font":{"face":"ＭＳ Ｐゴシック","size":14})",
                             R"("fg":"#000000")", R"("bg":"#ffffff")", R"("readOnly":false)",
                             R"("flow":{"row":20,"column":"box","rows":1})"})
        EXPECT_NE(json.find(part), std::string::npos) << part << " in " << json;
}

TEST_F(ModelJsonTest, AFormWholeHoldsItsControlsAndItsKeys) {
    form.add(Kind::Button, "button1", "終了"_sj);
    form.add(Kind::Label, "TEXT1", "\"引用\""_sj).aligned(Align::Right);
    const std::string json = form_json(form);
    EXPECT_EQ(json.find(R"({"name":"FORM9","kind":"form")"), 0u) << json;
    for (const char* part : {R"("text":"画面")", R"("frame":"dialog")", R"("visible":false)",
                             R"({"name":"BUTTON1","kind":"button")", R"("text":"終了")",
                             R"("align":"right")", R"("text":"\"引用\"")", R"("escape":false)",
                             R"("enter":{})"})
        EXPECT_NE(json.find(part), std::string::npos) << part << " in " << json;
    // The summary screen hands the coupon box's Enter to its button.
    Form& summary = model.add_form("MAINFORM", "x", 10, 10, FrameStyle::Resizable);
    summary.add(Kind::Combo, "COMBO1");
    summary.add(Kind::Button, "BUTTON15");
    EXPECT_NE(form_json(summary).find(R"("enter":{"COMBO1":"BUTTON15"})"), std::string::npos);
    // Every control in the order it is read: the summary's Tab order, a
    // form without one in its design order.
    EXPECT_NE(form_json(summary).find(R"("readingOrder":["COMBO1","BUTTON15"])"), std::string::npos);
    EXPECT_NE(json.find(R"("readingOrder":["BUTTON1","TEXT1"])"), std::string::npos);
}

}  // namespace
}  // namespace scanfee::ui
