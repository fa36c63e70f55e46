#include "files/utf8_detect.h"

#include <cstddef>

#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

using namespace rt::literals;

// The well-formed sequences of more than one byte: the range of the first
// byte, the length, and the range of the second byte, which excludes
// overlong forms (E0, F0), surrogates (ED) and code points above U+10FFFF
// (F4). Every further byte is 80-BF.
struct SequenceForm {
    unsigned char first_low, first_high;
    std::size_t length;
    unsigned char second_low, second_high;
};

constexpr SequenceForm SEQUENCE_FORMS[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// Length of the well-formed multi-byte sequence at `p`, 0 when the bytes
// there are not one.
std::size_t multibyte_length(std::string_view s, std::size_t p) {
    auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[p + i]); };
    for (const SequenceForm& form : SEQUENCE_FORMS) {
        if (at(0) < form.first_low || at(0) > form.first_high) continue;
        if (s.size() - p < form.length) return 0;
        if (at(1) < form.second_low || at(1) > form.second_high) return 0;
        for (std::size_t i = 2; i < form.length; ++i)
            if (at(i) < 0x80 || at(i) > 0xBF) return 0;
        return form.length;
    }
    return 0;
}

}  // namespace

bool is_utf8_text(std::string_view bytes) {
    if (bytes.starts_with(UTF8_BOM)) return true;
    bool multibyte = false;
    for (std::size_t p = 0; p < bytes.size();) {
        if (static_cast<unsigned char>(bytes[p]) < 0x80) {
            ++p;
            continue;
        }
        std::size_t n = multibyte_length(bytes, p);
        if (n == 0) return false;
        multibyte = true;
        p += n;
    }
    return multibyte;
}

std::string import_text(std::string bytes) {
    if (!is_utf8_text(bytes)) return bytes;
    std::string_view text = bytes;
    if (text.starts_with(UTF8_BOM)) text.remove_prefix(UTF8_BOM.size());
    return rt::to_sjis(text, "？"_sj);
}

}  // namespace scanfee::files
