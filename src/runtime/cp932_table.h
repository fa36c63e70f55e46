#pragma once
// The CP932 mapping as data (cp932_table.cpp, written by
// tools/generate-cp932-table.sh from glibc's iconv). sjis.cpp builds its
// conversion tables from it.
#include <cstddef>

namespace scanfee::rt::cp932 {

inline constexpr unsigned FIRST_TRAIL = 0x40;
inline constexpr unsigned LAST_TRAIL = 0xFC;
inline constexpr unsigned TRAIL_COUNT = LAST_TRAIL - FIRST_TRAIL + 1;
// What a row holds for a code that shows no character.
inline constexpr char32_t NO_CHARACTER = 0xFFFD;

struct Row {
    unsigned char lead;
    // UTF-8: the characters of the trail bytes FIRST_TRAIL to LAST_TRAIL.
    const char* characters;
};

// A character whose code is not the preferred one of the codes that show it
// (the lowest, the lead bytes ED and EE after all others), or that no code
// shows; code 0: none.
struct Encoding {
    char16_t character;
    unsigned short code;
};

extern const Row ROWS[];
extern const std::size_t ROW_COUNT;
extern const Encoding ENCODINGS[];
extern const std::size_t ENCODING_COUNT;

}  // namespace scanfee::rt::cp932
