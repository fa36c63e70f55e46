#include "runtime/clock.h"

#include <cstdio>
#include <ctime>

namespace scanfee::rt {

std::string today_text() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04u/%02u/%02u", unsigned(local.tm_year + 1900),
                  unsigned(local.tm_mon + 1), unsigned(local.tm_mday));
    return buffer;
}

bool is_date_text(const std::string& text) {
    unsigned y, m, d;
    char tail;
    if (text.size() != 10 || text[4] != '/' || text[7] != '/') return false;
    if (std::sscanf(text.c_str(), "%4u/%2u/%2u%c", &y, &m, &d, &tail) != 3) return false;
    static const unsigned days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1 || d > days[m - 1]) return false;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return !(m == 2 && d == 29 && !leap);
}

}  // namespace scanfee::rt
