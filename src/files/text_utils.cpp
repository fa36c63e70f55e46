#include "files/text_utils.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/order_state.h"
#include "runtime/fatal.h"
#include "runtime/sjis.h"

namespace scanfee::files {
namespace {

// Full-width Shift-JIS of the bytes 0x20..0x7F. The space and DEL become the
// ideographic space; " ' \ ~ become ” ’ ￥ ￣, as on the papers of the shop.
constexpr std::array<std::uint16_t, 0x60> ASCII_WIDE = {
    0x8140, 0x8149, 0x8168, 0x8194, 0x8190, 0x8193, 0x8195, 0x8166,
    0x8169, 0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E,
    0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148,
    0x8197, 0x8260, 0x8261, 0x8262, 0x8263, 0x8264, 0x8265, 0x8266,
    0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E,
    0x826F, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276,
    0x8277, 0x8278, 0x8279, 0x816D, 0x818F, 0x816E, 0x814F, 0x8151,
    0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287,
    0x8288, 0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F,
    0x8290, 0x8291, 0x8292, 0x8293, 0x8294, 0x8295, 0x8296, 0x8297,
    0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8150, 0x8140,
};

// Full-width Shift-JIS of the half-width bytes 0xA0..0xDF (0xA0 is a blank;
// 0xDE and 0xDF are the marks ゛ and ゜ when they stand alone).
constexpr std::array<std::uint16_t, 0x40> KANA_WIDE = {
    0x8140, 0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340,
    0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385, 0x8387, 0x8362,
    0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C,
    0x834E, 0x8350, 0x8352, 0x8354, 0x8356, 0x8358, 0x835A, 0x835C,
    0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B,
    0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D,
    0x837E, 0x8380, 0x8381, 0x8382, 0x8384, 0x8386, 0x8388, 0x8389,
    0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,
};

constexpr std::uint16_t BLACK_SQUARE = 0x81A1;  // ■ for bytes that are no character
constexpr unsigned char VOICED_MARK = 0xDE;
constexpr unsigned char SEMI_VOICED_MARK = 0xDF;
const std::string FULL_WIDTH_MINUS = "\x81\x7C";  // －

void put(std::string& out, std::uint16_t code) {
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
}

// ｶ..ﾄ and ﾊ..ﾎ take the voiced mark; ﾊ..ﾎ also the semi-voiced one. Their
// full-width forms sit directly before the voiced (+1) and semi-voiced (+2)
// forms in Shift-JIS.
bool takes_voiced(unsigned char b) { return (b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE); }
bool takes_semi_voiced(unsigned char b) { return b >= 0xCA && b <= 0xCE; }

}  // namespace

void 文字列整理_SUB(rt::int16 mode, rt::int16 n) {
    if (n <= 0) return;
    auto& lines = order().ALIGN_LINES;
    if (n >= static_cast<int>(lines.size())) SCANFEE_FATAL(rt::ERR_SUBSCRIPT);

    size_t max = 0;
    for (int i = 1; i <= n; ++i) max = std::max(max, lines[static_cast<size_t>(i)].size());
    if (max == 0) return;

    lines[0] = std::string(max, ' ');
    for (int i = 1; i <= n; ++i) {
        std::string& line = lines[static_cast<size_t>(i)];
        size_t blanks = max - line.size();
        size_t at = mode == 0 ? 0 : mode == 1 ? blanks / 2 : blanks;
        std::string work(max, ' ');
        work.replace(at, line.size(), line);
        line = std::move(work);
    }
}

void 全角数字化_SUB(std::string& s) {
    std::string sign;
    std::string_view text = s;
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
        sign = FULL_WIDTH_MINUS;
    }
    std::string wide = full_width(text);

    std::vector<std::string_view> characters;
    for (size_t i = 0; i < wide.size();) {
        size_t n = rt::is_lead_byte(static_cast<unsigned char>(wide[i])) && i + 1 < wide.size() ? 2 : 1;
        characters.push_back(std::string_view(wide).substr(i, n));
        i += n;
    }

    std::string grouped;
    for (size_t j = 0; j < characters.size(); ++j) {
        size_t from_right = characters.size() - j;
        grouped += characters[j];
        if (from_right > 1 && (from_right - 1) % 3 == 0) grouped += ',';
    }
    s = sign + grouped;
}

std::string full_width(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    // The previous input character when it was a one-byte half-width kana;
    // 0 after anything else, so that a mark after the second byte of a
    // two-byte character never alters that character.
    unsigned char previous_kana = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        unsigned char kana = 0;
        if (rt::is_lead_byte(b) && i + 1 < text.size() &&
            rt::is_trail_byte(static_cast<unsigned char>(text[i + 1]))) {
            out += text[i];
            out += text[++i];
        } else if (b >= 0x20 && b <= 0x7F) {
            put(out, ASCII_WIDE[b - 0x20]);
        } else if (b == VOICED_MARK && takes_voiced(previous_kana)) {
            out.back() = static_cast<char>(static_cast<unsigned char>(out.back()) + 1);
        } else if (b == SEMI_VOICED_MARK && takes_semi_voiced(previous_kana)) {
            out.back() = static_cast<char>(static_cast<unsigned char>(out.back()) + 2);
        } else if (b >= 0xA0 && b <= 0xDF) {
            put(out, KANA_WIDE[b - 0xA0]);
            kana = b;
        } else {
            put(out, BLACK_SQUARE);
        }
        previous_kana = kana;
    }
    return out;
}

}  // namespace scanfee::files
