// Whatever exception reaches the top of a program, it ends through the fatal
// error report: the program's own errors with their place, exhausted memory
// as error 7 and anything else as the last-resort text, both at the place of
// the program's last resort.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "runtime/fatal.h"
#include "runtime/sjis.h"

namespace scanfee::rt {
namespace {

using namespace literals;

struct ReportCase {
    const char* name;
    std::function<void()> fault;
    std::string text;
    bool last_resort;
};

TEST(FatalReport, EveryExceptionEndsInTheReport) {
    const std::vector<ReportCase> cases = {
        {"the program's own error keeps its place", [] { fatal(11, "fees.cpp", 40); },
         "\r\nfees.cpp [40行]:エラー[11]"_sj + "\r\n" + error_message(11), false},
        {"exhausted memory", [] { throw std::bad_alloc(); },
         "\r\ndispatch.cpp [77行]:エラー[7]"_sj + "\r\n" + error_message(7), false},
        {"a standard exception", [] { throw std::logic_error("broken"); },
         "続行不可能なエラーが発生しました dispatch.cpp [77行]\r\n"_sj, true},
        {"a value that is no exception class", [] { throw 42; },
         "続行不可能なエラーが発生しました dispatch.cpp [77行]\r\n"_sj, true},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.name);
        FatalReport report;
        try {
            c.fault();
            FAIL() << "no exception";
        } catch (...) {
            report = fatal_report(std::current_exception(), "dispatch.cpp", 77);
        }
        EXPECT_EQ(report.caption, FatalError::caption());
        EXPECT_EQ(report.text, c.text);
        EXPECT_EQ(report.last_resort, c.last_resort);
        EXPECT_EQ(report.status, 3);
    }
}

TEST(FatalReport, TheMacroNamesThePlaceWhereItStands) {
    FatalReport report;
    unsigned line = 0;
    try {
        throw std::runtime_error("x");
    } catch (...) {
        line = __LINE__ + 1;
        report = SCANFEE_FATAL_REPORT();
    }
    EXPECT_EQ(report.text, last_resort_text("fatal_report_test.cpp", line));
}

}  // namespace
}  // namespace scanfee::rt
