#pragma once
// Byte-counted text operations with 1-based positions, as every screen, file
// and paper of the program uses them. Text is Shift-JIS, so a cut may fall
// inside a two-byte character and split it; nothing prevents that, and the
// callers' column arithmetic relies on plain byte counts.
#include <string>
#include <string_view>

namespace scanfee::rt {

// Number of bytes.
int LEN(std::string_view text);

// The first `length` bytes (all of them when the text is shorter).
// A negative length is fatal error 5.
std::string LEFT(std::string_view text, int length);

// The last `length` bytes (all of them when the text is shorter).
// A negative length is fatal error 5.
std::string RIGHT(std::string_view text, int length);

// From byte `start` (1-based) to the end, or at most `length` bytes from
// there. A start beyond the end gives an empty text. A start below 1 or a
// negative length is fatal error 5.
std::string MID(std::string_view text, int start);
std::string MID(std::string_view text, int start, int length);

// Position of the first occurrence of `needle` at or after byte `start`, 0
// when there is none. An empty needle is found at `start` when that lies
// within the text. A start below 1 is fatal error 5.
int INSTR(int start, std::string_view text, std::string_view needle);
int INSTR(std::string_view text, std::string_view needle);

}  // namespace scanfee::rt
