#include <gtest/gtest.h>

#include "qt/command_line.h"

namespace scanfee::qtview {
namespace {

struct Good {
    std::vector<std::string> args;
    int16 edition;
    std::string today;
};

TEST(CommandLineTest, EditionAndDateInBothSpellings) {
    const Good cases[] = {
        {{}, EDITION_CUSTOMER, ""},
        {{"--edition", "shop"}, EDITION_SHOP, ""},
        {{"--edition=customer"}, EDITION_CUSTOMER, ""},
        {{"--today", "2016/04/29", "--edition", "shop"}, EDITION_SHOP, "2016/04/29"},
        {{"--today=2016/01/31"}, EDITION_CUSTOMER, "2016/01/31"},
    };
    for (const Good& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const auto parsed = parse_command_line(c.args);
        ASSERT_TRUE(std::holds_alternative<StartOptions>(parsed));
        EXPECT_EQ(std::get<StartOptions>(parsed).edition, c.edition);
        EXPECT_EQ(std::get<StartOptions>(parsed).today, c.today);
    }
}

TEST(CommandLineTest, MalformedArgumentsGiveTheUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {"--edition"},           {"--edition", "both"},   {"--today", "2016-04-29"},
        {"--today", "2016/4/29"}, {"--today", "2016/02/30"}, {"--today"},
        {"--verbose"},           {"shop"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const auto parsed = parse_command_line(args);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(parsed));
        EXPECT_NE(std::get<CommandLineError>(parsed).message.find(USAGE), std::string::npos);
    }
}

}  // namespace
}  // namespace scanfee::qtview
