#pragma once
// Independent checks of well-formed text in the two encodings the program
// meets, for the properties of the fuzz targets.
#include <cstddef>
#include <string_view>

#include "runtime/sjis.h"

namespace fuzzcheck {

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
inline bool well_formed_utf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        size_t n;
        unsigned cp;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            n = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 4;
            cp = b & 0x07;
        } else
            return false;
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
inline bool well_formed_cp932(std::string_view s) {
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        if (b == 0x80 || b == 0xA0 || b >= 0xFD) return false;
        if (scanfee::rt::is_lead_byte(b)) {
            if (++i == s.size()) return false;
            const unsigned char t = static_cast<unsigned char>(s[i]);
            if (!((t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC))) return false;
        }
    }
    return true;
}

// CP932 the program can show and print: well-formed, and every code one
// that the conversion table maps to a character.
inline bool valid_cp932(std::string_view s) {
    return well_formed_cp932(s) && scanfee::rt::to_utf8(s).find("\xEF\xBF\xBD") == std::string::npos;
}

}  // namespace fuzzcheck
