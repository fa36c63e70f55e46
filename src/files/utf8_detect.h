#pragma once
// Book lists that users import are often exported as UTF-8. Such a file is
// recognised and turned into the system's Shift-JIS line by line as it is
// read; every other file is taken byte for byte.
#include <cstddef>
#include <string>
#include <string_view>

namespace scanfee::files {

// The byte-order mark some programs put in front of UTF-8 text.
inline constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

// Tells UTF-8 from Shift-JIS over a text handed in pieces of any size. The
// text is UTF-8 when it starts with the byte-order mark, or when it is
// valid UTF-8 throughout (shortest forms, no surrogates, nothing above
// U+10FFFF), every character of it one that CP932 holds, and it holds at
// least one sequence of three or four bytes: every kana and kanji is one. Text of ASCII and two-byte sequences alone reads
// as Shift-JIS, where half-width katakana pair up the same way.
class Utf8Detector {
public:
    void feed(std::string_view piece);
    // The answer for the text fed so far, taken as complete.
    bool is_utf8() const;
    // The answer can no longer change, whatever follows.
    bool settled() const { return has_mark() || invalid_; }
    // The text starts with the byte-order mark.
    bool has_mark() const { return mark_ == UTF8_BOM.size(); }

private:
    bool take(unsigned char b);

    std::size_t mark_ = 0;               // leading bytes that match the mark
    bool mark_broken_ = false;           // a leading byte did not
    bool invalid_ = false;
    bool long_sequence_ = false;         // a sequence of three or four bytes was met
    // The sequence being read: bytes so far, its length, and the range its
    // second byte must keep to.
    std::size_t open_length_ = 0, needed_ = 0;
    unsigned char second_low_ = 0, second_high_ = 0;
    char32_t code_point_ = 0;
};

// True when `bytes`, taken whole, are UTF-8 in the sense above.
bool is_utf8_text(std::string_view bytes);

// How many leading bytes tell UTF-16 text.
inline constexpr std::size_t UTF16_LOOK_BYTES = 4096;
// True when the text starting with `head` is UTF-16: it starts with a
// byte-order mark (FF FE or FE FF), or NULs stand in every other byte
// (a quarter of the pairs at least) and never in the bytes between.
bool looks_utf16(std::string_view head);

// One line of a UTF-8 file in Shift-JIS: every character without a
// Shift-JIS form and every malformed sequence becoming "？".
std::string utf8_line_to_sjis(std::string_view line);

// One line of an import file as the system holds it: a UTF-8 line as
// above; a Shift-JIS line with "■" for each byte or pair that is no
// character, so that no lead byte at the end of a field can take the
// separator or bracket after it.
std::string import_line(std::string_view line, bool utf8);

// The text of a whole import file as the system holds it: UTF-8 text (as
// above) converted without its byte-order mark, anything else as a
// Shift-JIS line.
std::string import_text(std::string bytes);

}  // namespace scanfee::files
