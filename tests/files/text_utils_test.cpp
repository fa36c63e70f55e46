#include <gtest/gtest.h>

#include "core/order_state.h"
#include "files/text_utils.h"
#include "runtime/fatal.h"
#include "runtime/sjis.h"
#include "support/fatal_number.h"

namespace scanfee::files {
namespace {

using rt::to_sjis;

class AlignLines : public ::testing::Test {
protected:
    void SetUp() override { reset_order(); }
    std::string& line(int i) { return order().ALIGN_LINES[static_cast<size_t>(i)]; }
    void set(std::initializer_list<std::string> lines) {
        int i = 1;
        for (const auto& l : lines) line(i++) = l;
    }
};

TEST_F(AlignLines, ModesPlaceTheTextLeftCentreOrRight) {
    const struct {
        const char* name;
        rt::int16 mode;
        std::vector<std::string> in, out;
    } cases[] = {
        {"left", 0, {"ABC", "A"}, {"ABC", "A  "}},
        {"centre, even blanks", 1, {"ABC", "A"}, {"ABC", " A "}},
        {"centre, odd blank right", 1, {"ABCD", "A"}, {"ABCD", " A  "}},
        {"right", 2, {"ABC", "A"}, {"ABC", "  A"}},
        {"any other mode is right", 7, {"ABC", ""}, {"ABC", "   "}},
        {"full-width counts bytes", 2, {to_sjis("三文字"), "12345678"},
         {"  " + to_sjis("三文字"), "12345678"}},
        {"fill is half-width", 0, {to_sjis("四文字分"), to_sjis("六文字の行")},
         {to_sjis("四文字分") + "  ", to_sjis("六文字の行")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        reset_order();
        for (size_t i = 0; i < c.in.size(); ++i) line(int(i) + 1) = c.in[i];
        文字列整理_SUB(c.mode, static_cast<rt::int16>(c.in.size()));
        for (size_t i = 0; i < c.out.size(); ++i) EXPECT_EQ(line(int(i) + 1), c.out[i]);
        EXPECT_EQ(line(0), std::string(c.out[0].size(), ' '));
    }
}

// Nothing changes without lines or text; lines beyond N are not touched; N
// reaches 250 and no further.
TEST_F(AlignLines, BoundsOfTheCall) {
    line(0) = "keep";
    set({"", "", "much longer"});
    文字列整理_SUB(2, 2);
    文字列整理_SUB(2, 0);
    文字列整理_SUB(2, -1);
    EXPECT_EQ(line(0), "keep");
    EXPECT_EQ(line(1), "");
    EXPECT_EQ(line(3), "much longer");

    line(250) = "end";
    文字列整理_SUB(2, 250);
    EXPECT_EQ(line(1), std::string(11, ' '));
    EXPECT_EQ(line(250), "        end");
    EXPECT_EQ(testing::fatal_number([] { 文字列整理_SUB(2, 251); }), rt::ERR_SUBSCRIPT);
}

TEST(FullWidthDigits, GroupsOfThreeWithHalfWidthCommas) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {" 0", "０"},
        {" 1234", "１,２３４"},
        {"1234567", "１,２３４,５６７"},
        {"-12000", "－１２,０００"},
        {"999", "９９９"},
        {" 1000", "１,０００"},
        {"-5", "－５"},
        {"", ""},
        {" ", ""},
        {"123456", "１２３,４５６"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        std::string s = c.in;
        全角数字化_SUB(s);
        EXPECT_EQ(s, to_sjis(c.out));
    }
}

TEST(FullWidth, HalfWidthBytesBecomeTheirFullWidthForms) {
    const struct {
        const char* name;
        std::string in;
        const char* out;
    } cases[] = {
        {"ascii", "!0Az~", "！０Ａｚ￣"},
        {"particular choices", "\"'\\ \x7F", "”’￥　　"},
        {"punctuation", "-.,:", "－．，："},
        {"kana", to_sjis("｡ｦｰｱﾝ"), "。ヲーアン"},
        {"0xA0 is a blank", "\xA0", "　"},
        {"voiced", to_sjis("ｶﾞﾄﾞﾊﾞﾎﾞ"), "ガドバボ"},
        {"semi-voiced", to_sjis("ﾊﾟﾎﾟ"), "パポ"},
        {"u with voiced mark stays apart", to_sjis("ｳﾞ"), "ウ゛"},
        {"semi-voiced after ka", to_sjis("ｶﾟ"), "カ゜"},
        {"lone marks", to_sjis("ﾞﾟ"), "゛゜"},
        {"second mark", to_sjis("ｶﾞﾞ"), "ガ゛"},
        {"two-byte copied", to_sjis("冊～①"), "冊～①"},
        {"not characters", std::string("\x01\x80\xFD\xFF", 4), "■■■■"},
        {"lead byte at the end", "A\x82", "Ａ■"},
        {"lead byte before a control byte", "\x82\n\x81\t\x88\x7F", "■■■■■　"},
        {"lead byte before a blank", "\x82 A", "■　Ａ"},
        {"nul", std::string(1, '\0'), "■"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(full_width(c.in), to_sjis(c.out));
    }
}

// "位" is 88 CA: its second byte is the code of ﾊ, yet a mark after it must
// not turn it into another kanji.
TEST(FullWidth, MarksAfterATwoByteCharacterStayMarks) {
    EXPECT_EQ(full_width(to_sjis("位ﾟ宛ﾞ")), to_sjis("位゜宛゛"));
}

}  // namespace
}  // namespace scanfee::files
