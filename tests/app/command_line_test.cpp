#include <gtest/gtest.h>

#include "app/start_options.h"

namespace scanfee::app {
namespace {

struct Good {
    std::vector<std::string> args;
    int16 edition;
    std::string today;
    std::string script;
};

TEST(CommandLineTest, EditionDateAndScriptInBothSpellings) {
    const Good cases[] = {
        {{}, EDITION_CUSTOMER, "", ""},
        {{"--edition", "shop"}, EDITION_SHOP, "", ""},
        {{"--edition=customer"}, EDITION_CUSTOMER, "", ""},
        {{"--today", "2016/04/29", "--edition", "shop"}, EDITION_SHOP, "2016/04/29", ""},
        {{"--today=2016/01/31", "order.run"}, EDITION_CUSTOMER, "2016/01/31", "order.run"},
    };
    for (const Good& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const auto parsed = parse_command_line(c.args, true);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
        EXPECT_EQ(std::get<CommandLine>(parsed).options.edition, c.edition);
        EXPECT_EQ(std::get<CommandLine>(parsed).options.today, c.today);
        EXPECT_EQ(std::get<CommandLine>(parsed).script, c.script);
    }
}

TEST(CommandLineTest, HelpAnywhereAsksForTheUsageAlone) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"--edition", "shop", "--help"}, {"--verbose", "-h"}}) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const auto parsed = parse_command_line(args, true);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(parsed));
        EXPECT_TRUE(std::get<CommandLine>(parsed).help);
    }
    EXPECT_FALSE(std::get<CommandLine>(parse_command_line({"--edition", "shop"}, true)).help);
}

TEST(CommandLineTest, MalformedArgumentsAreRefused) {
    const std::vector<std::vector<std::string>> cases = {
        {"--edition"},            {"--edition", "both"},      {"--today", "2016-04-29"},
        {"--today", "2016/4/29"}, {"--today", "2016/02/30"}, {"--today"},
        {"--verbose"},            {"a.run", "b.run"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_TRUE(std::holds_alternative<CommandLineError>(parse_command_line(args, true)));
    }
    EXPECT_TRUE(std::holds_alternative<CommandLineError>(parse_command_line({"shop"}, false)))
        << "the window program takes no script";
}

}  // namespace
}  // namespace scanfee::app
