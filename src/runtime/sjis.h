#pragma once
// Conversion between the system's own text (Shift-JIS, code page 932) and
// UTF-8, used only at the edges: the toolkit, the page, the driver's output,
// file names. The mapping is the program's own table (cp932_table.cpp),
// exactly glibc's CP932, so that every build converts alike.
#include <string>
#include <string_view>

namespace scanfee::rt {

// UTF-8 to CP932. A character that CP932 cannot hold becomes "?"; malformed
// UTF-8 bytes become "?" as well.
std::string to_sjis(std::string_view utf8);
// The same with `replacement` (CP932 bytes) in place of each character that
// CP932 cannot hold and of each malformed UTF-8 sequence.
std::string to_sjis(std::string_view utf8, std::string_view replacement);

// A file's name (UTF-8) for a message of the system's text: CP932 where it
// holds the characters, and each character it does not hold kept whole
// between the bytes FD and FE, which no CP932 text contains, so that the
// message shows the name as it is ("😀壊れ.SAV", not "?壊れ.SAV"). Only for
// texts that are shown; no file holds them.
std::string to_sjis_shown(std::string_view utf8);

// CP932 to UTF-8. Bytes that are not CP932 (0x80, 0xA0, 0xFD-0xFF, a lead
// byte without its trail byte) become U+FFFD so that they show, never crash;
// a character kept by to_sjis_shown shows as itself.
std::string to_utf8(std::string_view sjis);

// The same with every CR left out: the CR LF line ends of the system's text
// as the LF of a terminal or a page.
std::string to_utf8_lf(std::string_view sjis);

// Where the first byte that is no CP932 character stands, or npos when the
// text is CP932 throughout: a byte 80, A0 or FD-FF, a lead byte without a
// trail byte after it, or a pair of bytes that shows no character.
std::size_t first_invalid_cp932(std::string_view sjis);
inline bool is_valid_cp932(std::string_view sjis) {
    return first_invalid_cp932(sjis) == std::string_view::npos;
}
// The text with `replacement` (CP932) in place of each such byte, and of
// each such pair as a whole; a lead byte before a byte that cannot follow
// it is replaced alone, so that the byte after it stays.
std::string valid_cp932(std::string_view sjis, std::string_view replacement);

// True when CP932 holds the character (U+0000-U+007F included).
bool cp932_holds(char32_t c);

// True for the first byte of a two-byte CP932 character.
constexpr bool is_lead_byte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// True for a byte that can follow a lead byte. A lead byte followed by
// anything else (a line end, a tab) is no character.
constexpr bool is_trail_byte(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

inline namespace literals {
// "コミック"_sj: a UTF-8 literal in the source turned into the system's text.
inline std::string operator""_sj(const char* s, std::size_t n) { return to_sjis({s, n}); }
}  // namespace literals

}  // namespace scanfee::rt
