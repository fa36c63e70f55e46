#include <gtest/gtest.h>

#include "runtime/clock.h"

namespace scanfee::rt {
namespace {

TEST(Clock, TodayIsTenBytesWithLeadingZeros) {
    std::string today = today_text();
    ASSERT_EQ(today.size(), 10u);
    EXPECT_TRUE(is_date_text(today));
}

TEST(Clock, AFixedDateStandsForTheClockUntilItIsCleared) {
    fix_today("2016/05/01");
    EXPECT_EQ(today_text(), "2016/05/01");
    fix_today({});
    EXPECT_TRUE(is_date_text(today_text()));
    EXPECT_NE(today_text(), "2016/05/01");
}

TEST(Clock, DateTextNeedsDigitsInEveryPlaceAndARealDay) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"2016/04/29", true},  {"2016/02/29", true},  {"2000/02/29", true},
        {"2015/02/29", false}, {"1900/02/29", false}, {"2016/13/01", false},
        {"2016/04/31", false}, {"2016/00/10", false}, {"2016/4/29", false},
        {"2016/ 4/29", false}, {"2016/+4/29", false}, {"+016/04/29", false},
        {"2016-04-29", false}, {"2016/04/2x", false}, {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(is_date_text(c.text), c.valid);
    }
}

}  // namespace
}  // namespace scanfee::rt
