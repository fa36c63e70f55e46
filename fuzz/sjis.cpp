// CP932 <-> UTF-8 of any bytes. Beyond "no crash": both directions give
// well-formed text of their encoding; text that came from CP932 goes back
// and forth unchanged; and the CP932 bytes of any text read as CP932.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "runtime/sjis.h"

using namespace scanfee::rt;

namespace {

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool well_formed_utf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        size_t n;
        unsigned cp;
        if (b < 0x80) { ++i; continue; }
        if (b >= 0xC2 && b <= 0xDF) { n = 2; cp = b & 0x1F; }
        else if (b >= 0xE0 && b <= 0xEF) { n = 3; cp = b & 0x0F; }
        else if (b >= 0xF0 && b <= 0xF4) { n = 4; cp = b & 0x07; }
        else return false;
        if (i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k) {
            const unsigned char c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = cp << 6 | (c & 0x3F);
        }
        if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n;
    }
    return true;
}

// CP932: one-byte characters, or a lead byte with a trail byte 40-7E/80-FC.
bool well_formed_cp932(std::string_view s) {
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        if (b == 0x80 || b == 0xA0 || b >= 0xFD) return false;
        if (is_lead_byte(b)) {
            if (++i == s.size()) return false;
            const unsigned char t = static_cast<unsigned char>(s[i]);
            if (!((t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC))) return false;
        }
    }
    return true;
}

constexpr std::string_view REPLACEMENT = "\xEF\xBF\xBD";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = to_utf8(bytes);
    FUZZ_CHECK(well_formed_utf8(utf8));
    if (utf8.find(REPLACEMENT) == std::string::npos) {
        // Every character decoded from CP932 has CP932 bytes that decode to
        // it again (the NEC and IBM duplicates may change bytes, not text).
        const std::string back = to_sjis(utf8);
        FUZZ_CHECK(to_utf8(back) == utf8);
    }

    const std::string sjis = to_sjis(bytes);
    FUZZ_CHECK(well_formed_cp932(sjis));
    FUZZ_CHECK(well_formed_utf8(to_utf8(sjis)));
    return 0;
}
