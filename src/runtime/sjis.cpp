#include "runtime/sjis.h"

#include <array>
#include <cstdint>
#include <stdexcept>

#include "runtime/cp932_table.h"

namespace scanfee::rt {
namespace {

constexpr char32_t HALF_WIDTH_KATAKANA = 0xFF61;  // the character of byte A1
constexpr unsigned char FIRST_KATAKANA_BYTE = 0xA1, LAST_KATAKANA_BYTE = 0xDF;
constexpr int LEAD_COUNT = 60;  // 81-9F and E0-FC

int lead_index(unsigned char lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31; }

// A strictly valid UTF-8 character at the start of `s`: its code point and
// length. Overlong forms, surrogates and code points beyond U+10FFFF are not.
struct Utf8Char {
    char32_t code_point = 0;
    size_t length = 0;  // 0: not valid
};

Utf8Char read_utf8(std::string_view s) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b = byte(0);
    if (b < 0x80) return {b, 1};
    size_t n = 0;
    char32_t c = 0, least = 0;
    if (b >= 0xC2 && b <= 0xDF) n = 2, c = b & 0x1F, least = 0x80;
    else if (b >= 0xE0 && b <= 0xEF) n = 3, c = b & 0x0F, least = 0x800;
    else if (b >= 0xF0 && b <= 0xF4) n = 4, c = b & 0x07, least = 0x10000;
    else return {};
    if (s.size() < n) return {};
    for (size_t i = 1; i < n; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {};
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) return {};
    return {c, n};
}

// How many bytes an invalid UTF-8 sequence at the start of `s` takes: as
// many as its first byte announces, up to the first byte that cannot follow.
size_t invalid_utf8_length(std::string_view s) {
    unsigned char b = static_cast<unsigned char>(s[0]);
    size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (n > s.size()) n = s.size();
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;
    return n;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

class Tables {
public:
    Tables() {
        for (size_t r = 0; r < cp932::ROW_COUNT; ++r) {
            const cp932::Row& row = cp932::ROWS[r];
            if (!is_lead_byte(row.lead)) throw std::logic_error("CP932 table: a row without a lead byte");
            std::string_view chars = row.characters;
            unsigned trail = cp932::FIRST_TRAIL;
            while (!chars.empty()) {
                Utf8Char c = read_utf8(chars);
                if (c.length == 0 || c.code_point > 0xFFFF || trail > cp932::LAST_TRAIL)
                    throw std::logic_error("CP932 table: a damaged row");
                if (c.code_point != cp932::NO_CHARACTER)
                    decode_[slot(row.lead, static_cast<unsigned char>(trail))] = static_cast<char16_t>(c.code_point);
                chars.remove_prefix(c.length);
                ++trail;
            }
            if (trail != cp932::LAST_TRAIL + 1) throw std::logic_error("CP932 table: a short row");
        }
        // Each character gets the lowest code that shows it, the lead bytes
        // ED and EE (NEC's copy of IBM's characters) coming after all others.
        for (bool copies : {false, true}) {
            for (int lead = 0x81; lead <= 0xFC; ++lead) {
                if (!is_lead_byte(static_cast<unsigned char>(lead)) || (lead == 0xED || lead == 0xEE) != copies)
                    continue;
                for (unsigned trail = cp932::FIRST_TRAIL; trail <= cp932::LAST_TRAIL; ++trail) {
                    char16_t c = decode_[slot(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail))];
                    if (c != 0 && encode_[c] == 0) encode_[c] = static_cast<std::uint16_t>(lead << 8 | trail);
                }
            }
        }
        for (size_t i = 0; i < cp932::ENCODING_COUNT; ++i)
            encode_[cp932::ENCODINGS[i].character] = cp932::ENCODINGS[i].code;
    }

    // The character of a two-byte code; 0 for none.
    char16_t decode(unsigned char lead, unsigned char trail) const {
        return is_trail_byte(trail) ? decode_[slot(lead, trail)] : 0;
    }
    // The code of a character above U+007F (one or two bytes); 0 for none.
    std::uint16_t encode(char32_t c) const {
        if (c >= HALF_WIDTH_KATAKANA && c <= HALF_WIDTH_KATAKANA + (LAST_KATAKANA_BYTE - FIRST_KATAKANA_BYTE))
            return static_cast<std::uint16_t>(c - HALF_WIDTH_KATAKANA + FIRST_KATAKANA_BYTE);
        return c < encode_.size() ? encode_[c] : 0;
    }

private:
    static size_t slot(unsigned char lead, unsigned char trail) {
        return size_t(lead_index(lead)) * cp932::TRAIL_COUNT + (trail - cp932::FIRST_TRAIL);
    }
    std::array<char16_t, LEAD_COUNT * cp932::TRAIL_COUNT> decode_{};
    std::array<std::uint16_t, 0x10000> encode_{};
};

const Tables& tables() {
    static const Tables built;
    return built;
}

}  // namespace

std::string to_sjis(std::string_view utf8) { return to_sjis(utf8, "?"); }

std::string to_sjis(std::string_view utf8, std::string_view replacement) {
    const Tables& t = tables();
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        Utf8Char c = read_utf8(utf8);
        if (c.length == 0) {
            out.append(replacement);
            utf8.remove_prefix(invalid_utf8_length(utf8));
            continue;
        }
        utf8.remove_prefix(c.length);
        if (c.code_point < 0x80) {
            out += static_cast<char>(c.code_point);
        } else if (std::uint16_t code = t.encode(c.code_point); code == 0) {
            out.append(replacement);
        } else {
            if (code > 0xFF) out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xFF);
        }
    }
    return out;
}

namespace {

constexpr char KEPT_OPEN = '\xFD', KEPT_CLOSE = '\xFE';

// The length of a character kept by to_sjis_shown at the start of `s`, its
// marks included; 0 when none stands there.
size_t kept_length(std::string_view s) {
    if (s.size() < 3 || s[0] != KEPT_OPEN) return 0;
    const Utf8Char c = read_utf8(s.substr(1));
    return c.length > 0 && c.code_point >= 0x80 && s.size() > c.length + 1 && s[c.length + 1] == KEPT_CLOSE
               ? c.length + 2
               : 0;
}

}  // namespace

std::string to_sjis_shown(std::string_view utf8) {
    std::string out;
    while (!utf8.empty()) {
        const Utf8Char c = read_utf8(utf8);
        const size_t n = c.length == 0 ? invalid_utf8_length(utf8) : c.length;
        if (c.length == 0 || cp932_holds(c.code_point)) {
            out += to_sjis(utf8.substr(0, n));
        } else {
            out += KEPT_OPEN;
            out.append(utf8.substr(0, n));
            out += KEPT_CLOSE;
        }
        utf8.remove_prefix(n);
    }
    return out;
}

std::string to_utf8(std::string_view sjis) {
    const Tables& t = tables();
    std::string out;
    out.reserve(sjis.size() * 3 / 2);
    for (size_t i = 0; i < sjis.size();) {
        const auto b = static_cast<unsigned char>(sjis[i]);
        if (const size_t kept = b == 0xFD ? kept_length(sjis.substr(i)) : 0) {
            out.append(sjis.substr(i + 1, kept - 2));
            i += kept;
        } else if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
        } else if (b >= FIRST_KATAKANA_BYTE && b <= LAST_KATAKANA_BYTE) {
            append_utf8(out, HALF_WIDTH_KATAKANA + (b - FIRST_KATAKANA_BYTE));
            ++i;
        } else if (is_lead_byte(b) && i + 1 < sjis.size()) {
            const auto trail = static_cast<unsigned char>(sjis[i + 1]);
            const char16_t c = t.decode(b, trail);
            append_utf8(out, c != 0 ? c : cp932::NO_CHARACTER);
            // An unknown code goes as a whole; a lead byte without a trail
            // byte alone, so that the byte after it shows.
            i += c != 0 || is_trail_byte(trail) ? 2 : 1;
        } else {
            append_utf8(out, cp932::NO_CHARACTER);
            ++i;
        }
    }
    return out;
}

namespace {

// The bytes the CP932 character at `i` takes; 0 when it is none.
size_t cp932_length(std::string_view sjis, size_t i) {
    const auto b = static_cast<unsigned char>(sjis[i]);
    if (b < 0x80 || (b >= FIRST_KATAKANA_BYTE && b <= LAST_KATAKANA_BYTE)) return 1;
    if (!is_lead_byte(b) || i + 1 == sjis.size()) return 0;
    return tables().decode(b, static_cast<unsigned char>(sjis[i + 1])) != 0 ? 2 : 0;
}

}  // namespace

size_t first_invalid_cp932(std::string_view sjis) {
    for (size_t i = 0; i < sjis.size();) {
        const size_t n = cp932_length(sjis, i);
        if (n == 0) return i;
        i += n;
    }
    return std::string_view::npos;
}

std::string valid_cp932(std::string_view sjis, std::string_view replacement) {
    if (is_valid_cp932(sjis)) return std::string(sjis);
    std::string out;
    out.reserve(sjis.size() + replacement.size());
    for (size_t i = 0; i < sjis.size();) {
        if (const size_t n = cp932_length(sjis, i)) {
            out.append(sjis.substr(i, n));
            i += n;
            continue;
        }
        out.append(replacement);
        const bool pair = is_lead_byte(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size() &&
                          is_trail_byte(static_cast<unsigned char>(sjis[i + 1]));
        i += pair ? 2 : 1;
    }
    return out;
}

bool cp932_holds(char32_t c) { return c < 0x80 || tables().encode(c) != 0; }

std::string to_utf8_lf(std::string_view sjis) {
    std::string text = to_utf8(sjis);
    std::erase(text, '\r');
    return text;
}

}  // namespace scanfee::rt
