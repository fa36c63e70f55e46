#pragma once
// What a user types or pastes into a text box arrives in the view's own
// encoding (UTF-8 here); the system holds Shift-JIS. A character Shift-JIS
// cannot hold is never dropped without a word: the views leave it out and
// name it beside the box. The rule is here, so that every view names the
// same characters in the same words.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace scanfee::ui {

struct TypedText {
    std::string text;                  // the system's text: every character it can hold
    // UTF-8: each character left out, once, in order, as the notice names
    // it ("タブ", "改行" for characters without a face).
    std::vector<std::string> refused;
};

// Splits typed text (UTF-8) into what the system holds and what it cannot.
// Control characters (a pasted tab or line break) are left out too: a box
// holds one line of text.
TypedText take_typed(std::string_view utf8);

// Whether the system can hold one character (UTF-8) typed into a box.
bool box_takes(std::string_view utf8_character);

// The notice beside the box (UTF-8): 「ë」「𠮷」は使えない文字です
std::string refusal_notice(const std::vector<std::string>& refused);

// The digit a digits-only box takes for one character of the system's text:
// "0"-"9", and the full-width "０"-"９" that a Japanese input method types by
// default; nothing for any other character.
std::optional<char> typed_digit(std::string_view character);

// An edit turned `before` into `after` (the system's text) and `after` is
// over `max_bytes`: the characters the edit inserted, between what it kept
// of the start and of the end of `before`, are cut from their end until the
// whole fits, so that the box keeps every character it held. `caret` (when
// given) is set to the byte behind what was inserted. Nothing when not one
// inserted character fits: the edit is refused.
std::optional<std::string> fit_edit(std::string_view before, std::string_view after,
                                    std::size_t max_bytes, std::size_t* caret = nullptr);

// The notice beside a box whose byte limit cut what was typed or pasted
// (UTF-8): この欄には半角10文字（全角5文字）までしか入りません, or for a
// digits-only box この欄には6桁までしか入りません.
std::string limit_notice(bool digits_only, int max_bytes);

}  // namespace scanfee::ui
