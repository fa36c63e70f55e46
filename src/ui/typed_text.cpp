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

// The characters of the system's text, a lead byte with its trail byte.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> out;
    for (size_t i = 0; i < text.size();) {
        size_t n = rt::is_lead_byte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

}  // namespace

std::optional<char> typed_digit(std::string_view character) {
    if (character.size() == 1 && character[0] >= '0' && character[0] <= '9') return character[0];
    if (character.size() == 2 && static_cast<unsigned char>(character[0]) == 0x82) {
        const unsigned char trail = static_cast<unsigned char>(character[1]);
        if (trail >= 0x4F && trail <= 0x58) return static_cast<char>('0' + (trail - 0x4F));
    }
    return std::nullopt;
}

std::optional<std::string> fit_edit(std::string_view before, std::string_view after,
                                    std::size_t max_bytes, std::size_t* caret) {
    const auto was = characters(before), now = characters(after);
    size_t head = 0;
    while (head < was.size() && head < now.size() && was[head] == now[head]) ++head;
    size_t tail = 0;
    while (tail < was.size() - head && tail < now.size() - head &&
           was[was.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    std::string start, end;
    for (size_t i = 0; i < head; ++i) start += now[i];
    for (size_t i = now.size() - tail; i < now.size(); ++i) end += now[i];
    size_t inserted_end = now.size() - tail;
    std::string inserted;
    for (size_t i = head; i < inserted_end; ++i) inserted += now[i];
    if (after.size() > max_bytes) {
        while (inserted_end > head && start.size() + inserted.size() + end.size() > max_bytes)
            inserted.resize(inserted.size() - now[--inserted_end].size());
        if (inserted.empty()) return std::nullopt;
    }
    if (caret) *caret = start.size() + inserted.size();
    return start + inserted + end;
}

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
