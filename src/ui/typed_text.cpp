#include "ui/typed_text.h"

#include <algorithm>

#include "runtime/sjis.h"

namespace scanfee::ui {
namespace {

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
size_t sequence_length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

bool is_control(std::string_view character) {
    if (character.size() != 1) return false;
    unsigned char b = static_cast<unsigned char>(character[0]);
    return b < 0x20 || b == 0x7F;
}

// How a character that has no face of its own is named.
std::string shown_name(const std::string& character) {
    if (character == "\t") return "タブ";
    if (character == "\n" || character == "\r") return "改行";
    if (is_control(character)) return "制御文字";
    if (character.size() == 1 && static_cast<unsigned char>(character[0]) >= 0x80)
        return "不正なバイト";
    return character;
}

}  // namespace

bool box_takes(std::string_view utf8_character) {
    if (utf8_character.empty() || is_control(utf8_character)) return false;
    return !rt::to_sjis(utf8_character, "").empty();
}

TypedText take_typed(std::string_view utf8) {
    TypedText typed;
    for (size_t i = 0; i < utf8.size();) {
        size_t n = std::min(sequence_length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        std::string_view character = utf8.substr(i, n);
        i += n;
        if (box_takes(character)) {
            typed.text += rt::to_sjis(character);
            continue;
        }
        // A line break of CR LF is named once.
        std::string name = shown_name(std::string(character));
        if (std::find(typed.refused.begin(), typed.refused.end(), name) == typed.refused.end())
            typed.refused.push_back(name);
    }
    return typed;
}

std::string refusal_notice(const std::vector<std::string>& refused) {
    std::string notice;
    for (const std::string& character : refused) notice += "「" + character + "」";
    return notice + "は使えない文字です";
}

std::string limit_notice(bool digits_only, int max_bytes) {
    if (digits_only) return "この欄には" + std::to_string(max_bytes) + "桁までしか入りません";
    return "この欄には半角" + std::to_string(max_bytes) + "文字（全角" + std::to_string(max_bytes / 2) +
           "文字）までしか入りません";
}

}  // namespace scanfee::ui
