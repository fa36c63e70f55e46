// Full-width forms, digit grouping and column alignment of any bytes.
// Beyond "no crash": the full-width form is made of two-byte characters
// only; a whole number comes out as the grouping rule says; aligned lines
// share one width and keep their text where the mode puts it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/order_state.h"
#include "files/text_utils.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "runtime/sjis.h"

using namespace scanfee;

namespace {

void wide_forms(const std::string& text) {
    const std::string wide = files::full_width(text);
    FUZZ_CHECK(wide.size() % 2 == 0);
    for (size_t i = 0; i < wide.size(); i += 2)
        FUZZ_CHECK(rt::is_lead_byte(static_cast<unsigned char>(wide[i])));
    FUZZ_CHECK(wide.size() <= 2 * text.size());

    std::string grouped = text;
    files::全角数字化_SUB(grouped);  // any text: it must only survive
}

// "－１２,３４５": full-width digits, a half-width comma every three digits
// from the right, a full-width minus in front.
std::string expected_grouping(long long n) {
    static const char* digits[] = {"\x82\x4F", "\x82\x50", "\x82\x51", "\x82\x52", "\x82\x53",
                                   "\x82\x54", "\x82\x55", "\x82\x56", "\x82\x57", "\x82\x58"};
    const std::string plain =
        std::to_string(n < 0 ? -(n + 1) + 1ULL : static_cast<unsigned long long>(n));
    std::string out = n < 0 ? "\x81\x7C" : "";
    for (size_t i = 0; i < plain.size(); ++i) {
        out += digits[plain[i] - '0'];
        const size_t left = plain.size() - i - 1;
        if (left > 0 && left % 3 == 0) out += ',';
    }
    return out;
}

void grouping(long long n, bool sign_column) {
    std::string text = std::to_string(n);
    if (sign_column && n >= 0) text = " " + text;
    files::全角数字化_SUB(text);
    FUZZ_CHECK(text == expected_grouping(n));
}

void alignment(fuzzcheck::FuzzInput& in) {
    OrderState& s = order();
    const rt::int16 mode = in.integral_in_range<rt::int16>(-1, 3);
    const rt::int16 n = in.integral_in_range<rt::int16>(0, ALIGN_LINE_COUNT - 1);
    std::vector<std::string> before(size_t(n) + 1);
    size_t width = 0;
    for (int i = 1; i <= n; ++i) {
        before[size_t(i)] = in.random_length_string(80);
        s.ALIGN_LINES[size_t(i)] = before[size_t(i)];
        width = std::max(width, before[size_t(i)].size());
    }
    files::文字列整理_SUB(mode, n);
    if (width == 0) return;
    FUZZ_CHECK(s.ALIGN_LINES[0] == std::string(width, ' '));
    for (int i = 1; i <= n; ++i) {
        const std::string& line = s.ALIGN_LINES[size_t(i)];
        const std::string& text = before[size_t(i)];
        FUZZ_CHECK(line.size() == width);
        const size_t blanks = width - text.size();
        const size_t at = mode == 0 ? 0 : mode == 1 ? blanks / 2 : blanks;
        FUZZ_CHECK(line.compare(at, text.size(), text) == 0);
        FUZZ_CHECK(line.substr(0, at).find_first_not_of(' ') == std::string::npos);
        FUZZ_CHECK(line.substr(at + text.size()).find_first_not_of(' ') == std::string::npos);
    }
}

}  // namespace

// The first byte picks the part, so that seeds can aim at one.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    fuzzcheck::FuzzInput in(data + 1, size - 1);
    switch (data[0] % 3) {
        case 0:
            wide_forms(in.remaining_string());
            break;
        case 1: {
            // The number before the sign column: an order the fuzzer's
            // compiler and the replay's compiler share.
            const long long n = in.integral<long long>();
            grouping(n, in.boolean());
            break;
        }
        default:
            alignment(in);
            break;
    }
    return 0;
}
