#include "app/driver/fatal_output.h"

#include <string>

#include "runtime/sjis.h"

namespace scanfee::driver {

int print_fatal_report(const rt::FatalReport& report, std::ostream& out) {
    std::string text = rt::to_utf8_lf(report.text);
    // The report of an error number starts with its own line end; the last
    // resort's text ends with one instead.
    if (report.last_resort) text.erase(text.find_last_not_of('\n') + 1);
    out.clear();  // a failed write before must not swallow the report
    out << report.caption << (report.last_resort ? "\n" : "") << text << std::endl;
    return report.status;
}

}  // namespace scanfee::driver
