// Text-to-number and number-to-text. Beyond "no crash": text-to-number
// never reads past its input (it gets a buffer of exactly the input's size,
// so AddressSanitizer sees any byte beyond it), and the byte after its input
// does not change its value; every number text the program writes reads
// back as the same text; storing into an amount never yields infinity.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz_check.h"
#include "runtime/fatal.h"
#include "runtime/numbers.h"

using namespace scanfee::rt;

namespace {

bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

void text_to_number(const uint8_t* data, size_t size) {
    auto exact = std::make_unique<char[]>(size == 0 ? 1 : size);
    std::memcpy(exact.get(), data, size);
    const double value = val(std::string_view(exact.get(), size));
    // Reading stops at the first byte it cannot take, so a stop byte after
    // the input cannot matter, whatever the input ended in.
    std::string longer(exact.get(), size);
    longer += '\x01';
    FUZZ_CHECK(same(val(longer), value));

    try {
        const single stored = to_single(value);
        FUZZ_CHECK(std::isfinite(stored));
    } catch (const FatalError& e) {
        FUZZ_CHECK(e.number() == ERR_OVERFLOW);
        FUZZ_CHECK(!(std::fabs(value) <= std::numeric_limits<single>::max()));
    }
    try {
        const int16 count = to_int16(value);
        FUZZ_CHECK(std::fabs(count - value) <= 0.5);
    } catch (const FatalError& e) {
        FUZZ_CHECK(e.number() == ERR_OVERFLOW);
    }
}

// A text made by number-to-text reads back to a number whose text is the
// same: six digits survive single precision, fifteen double precision.
void number_to_text(const uint8_t* data, size_t size) {
    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        if (std::isfinite(f)) {
            const std::string text = str_single(f);
            FUZZ_CHECK(str_single(static_cast<single>(val(text))) == text);
            FUZZ_CHECK(digits_single(f) == text.substr(1));
        }
    }
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        if (std::isfinite(d)) {
            const std::string text = str_expr(d);
            const double back = val(text);
            // Fifteen digits of a double next to the largest one round up
            // beyond the double range; such a text reads as infinity.
            if (std::isinf(back))
                FUZZ_CHECK(std::fabs(d) > 1.79769313486231e308);
            else
                FUZZ_CHECK(str_expr(back) == text);
        }
    }
    if (size >= sizeof(int16)) {
        int16 i;
        std::memcpy(&i, data, sizeof i);
        FUZZ_CHECK(val(str_int(i)) == i);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    text_to_number(data, size);
    number_to_text(data, size);
    return 0;
}
