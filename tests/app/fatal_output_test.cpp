// The driver prints the fatal error report as the window program shows it:
// the caption, then the text, in UTF-8 with plain line ends.
#include "app/driver/fatal_output.h"

#include <gtest/gtest.h>

#include <sstream>

#include "runtime/sjis.h"

namespace scanfee::driver {
namespace {

using namespace rt::literals;

TEST(FatalOutput, CaptionThenTheTextOnLinesOfTheirOwn) {
    struct Case {
        const char* name;
        rt::FatalReport report;
        std::string printed;
    };
    const Case cases[] = {
        {"error number",
         {"SCANFEE.EXE", "\r\nm.cpp [3行]:エラー[6]\r\nオーバーフローしました"_sj},
         "SCANFEE.EXE\nm.cpp [3行]:エラー[6]\nオーバーフローしました\n"},
        {"last resort",
         {"SCANFEE.EXE", "続行不可能なエラーが発生しました m.cpp [9行]\r\n"_sj, true},
         "SCANFEE.EXE\n続行不可能なエラーが発生しました m.cpp [9行]\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out;
        EXPECT_EQ(print_fatal_report(c.report, out), 3);
        EXPECT_EQ(out.str(), c.printed);
    }
}

TEST(FatalOutput, AFailedOutputBeforeDoesNotSwallowTheReport) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    print_fatal_report({"SCANFEE.EXE", "続行不可能なエラーが発生しました m.cpp [9行]\r\n"_sj, true},
                       out);
    EXPECT_EQ(out.str(), "SCANFEE.EXE\n続行不可能なエラーが発生しました m.cpp [9行]\n");
}

}  // namespace
}  // namespace scanfee::driver
