#include "runtime/text_ops.h"

#include <algorithm>

#include "runtime/fatal.h"

namespace scanfee::rt {

int LEN(std::string_view text) { return static_cast<int>(text.size()); }

std::string LEFT(std::string_view text, int length) {
    if (length < 0) SCANFEE_FATAL(ERR_INVALID_ARGUMENT);
    return std::string(text.substr(0, static_cast<size_t>(length)));
}

std::string RIGHT(std::string_view text, int length) {
    if (length < 0) SCANFEE_FATAL(ERR_INVALID_ARGUMENT);
    size_t n = std::min(text.size(), static_cast<size_t>(length));
    return std::string(text.substr(text.size() - n));
}

std::string MID(std::string_view text, int start) {
    if (start < 1) SCANFEE_FATAL(ERR_INVALID_ARGUMENT);
    size_t from = static_cast<size_t>(start) - 1;
    if (from >= text.size()) return {};
    return std::string(text.substr(from));
}

std::string MID(std::string_view text, int start, int length) {
    if (start < 1 || length < 0) SCANFEE_FATAL(ERR_INVALID_ARGUMENT);
    size_t from = static_cast<size_t>(start) - 1;
    if (from >= text.size()) return {};
    return std::string(text.substr(from, static_cast<size_t>(length)));
}

int INSTR(int start, std::string_view text, std::string_view needle) {
    if (start < 1) SCANFEE_FATAL(ERR_INVALID_ARGUMENT);
    size_t from = static_cast<size_t>(start) - 1;
    if (from >= text.size()) return 0;
    size_t found = text.find(needle, from);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

int INSTR(std::string_view text, std::string_view needle) { return INSTR(1, text, needle); }

}  // namespace scanfee::rt
