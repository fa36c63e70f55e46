#include "runtime/clock.h"

#include <cstdio>
#include <ctime>
#include <utility>

namespace scanfee::rt {
namespace {
std::string fixed_today;
}  // namespace

void fix_today(std::string date) { fixed_today = std::move(date); }

std::string today_text() {
    if (!fixed_today.empty()) return fixed_today;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04u/%02u/%02u", unsigned(local.tm_year + 1900),
                  unsigned(local.tm_mon + 1), unsigned(local.tm_mday));
    return buffer;
}

bool is_date_text(const std::string& text) {
    // Every digit position must hold a digit: "2016/ 4/29" or "2016/+4/29" is no date.
    if (text.size() != 10 || text[4] != '/' || text[7] != '/') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return false;
    auto number = [&](size_t from, size_t count) {
        unsigned value = 0;
        for (size_t i = from; i < from + count; ++i) value = value * 10 + unsigned(text[i] - '0');
        return value;
    };
    unsigned y = number(0, 4), m = number(5, 2), d = number(8, 2);
    static const unsigned days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1 || d > days[m - 1]) return false;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return !(m == 2 && d == 29 && !leap);
}

}  // namespace scanfee::rt
