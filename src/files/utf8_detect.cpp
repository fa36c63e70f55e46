#include "files/utf8_detect.h"

#include <algorithm>

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

const SequenceForm* form_of(unsigned char first) {
    for (const SequenceForm& form : SEQUENCE_FORMS)
        if (first >= form.first_low && first <= form.first_high) return &form;
    return nullptr;
}

}  // namespace

// Takes one byte; false once the text is known not to be valid UTF-8.
bool Utf8Detector::take(unsigned char b) {
    if (open_length_ == 0) {
        if (b < 0x80) return true;
        const SequenceForm* form = form_of(b);
        if (!form) return false;
        open_length_ = 1;
        needed_ = form->length;
        code_point_ = b & (0x7F >> form->length);
        second_low_ = form->second_low;
        second_high_ = form->second_high;
        return true;
    }
    const bool fits = open_length_ == 1 ? b >= second_low_ && b <= second_high_
                                        : b >= 0x80 && b <= 0xBF;
    if (!fits) return false;
    code_point_ = (code_point_ << 6) | (b & 0x3F);
    if (++open_length_ == needed_) {
        if (needed_ >= 3) long_sequence_ = true;
        open_length_ = 0;
        // Valid UTF-8 of a character that CP932 cannot hold is no text of
        // ours in UTF-8: Shift-JIS bytes that happen to pair up the same way.
        if (!rt::cp932_holds(code_point_)) return false;
    }
    return true;
}

void Utf8Detector::feed(std::string_view piece) {
    // The mark may arrive split over pieces like any other bytes.
    for (std::size_t i = 0; i < piece.size() && !mark_broken_ && mark_ < UTF8_BOM.size(); ++i) {
        if (piece[i] == UTF8_BOM[mark_]) ++mark_;
        else mark_broken_ = true;
    }
    if (invalid_) return;
    for (char c : piece) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80 && open_length_ == 0) continue;  // ASCII between sequences
        if (!take(b)) {
            invalid_ = true;
            return;
        }
    }
}

bool Utf8Detector::is_utf8() const {
    if (has_mark()) return true;
    return !invalid_ && open_length_ == 0 && long_sequence_;
}

bool is_utf8_text(std::string_view bytes) {
    Utf8Detector detector;
    detector.feed(bytes);
    return detector.is_utf8();
}

bool looks_utf16(std::string_view head) {
    if (head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF")) return true;
    // Text of ASCII in UTF-16 has a NUL in every other byte; no Shift-JIS
    // or UTF-8 text has NULs at all, let alone on one side only.
    std::size_t nuls[2] = {0, 0};
    const std::size_t n = std::min(head.size(), UTF16_LOOK_BYTES) & ~std::size_t(1);
    for (std::size_t i = 0; i < n; ++i)
        if (head[i] == '\0') ++nuls[i % 2];
    const std::size_t pairs = n / 2;
    for (int side = 0; side < 2; ++side)
        if (nuls[1 - side] == 0 && nuls[side] >= 2 && nuls[side] * 4 >= pairs) return true;
    return false;
}

std::string utf8_line_to_sjis(std::string_view line) { return rt::to_sjis(line, "？"_sj); }

std::string import_line(std::string_view line, bool utf8) {
    return utf8 ? utf8_line_to_sjis(line) : rt::valid_cp932(line, "■"_sj);
}

std::string import_text(std::string bytes) {
    if (!is_utf8_text(bytes)) return import_line(bytes, false);
    std::string_view text = bytes;
    if (text.starts_with(UTF8_BOM)) text.remove_prefix(UTF8_BOM.size());
    return utf8_line_to_sjis(text);
}

}  // namespace scanfee::files
