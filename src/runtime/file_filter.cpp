#include "runtime/file_filter.h"

#include <algorithm>

#include "runtime/sjis.h"

namespace scanfee::rt {
namespace {

FileFilter parse_one(std::string_view text) {
    FileFilter filter{std::string(text), {}};
    size_t open = text.find('(');
    if (open == std::string_view::npos) return filter;
    size_t close = text.find(')', open + 1);
    std::string_view inside = text.substr(open + 1, close == std::string_view::npos
                                                        ? std::string_view::npos
                                                        : close - open - 1);
    std::string pattern;
    auto finish = [&] {
        if (!pattern.empty()) filter.patterns.push_back(pattern);
        pattern.clear();
    };
    // None of "(),; \t" can be the second byte of a two-byte character, so a
    // byte scan never cuts one.
    for (char c : inside) {
        if (c == ',') finish();
        else if (c != ' ' && c != '\t') pattern += c;
    }
    finish();
    return filter;
}

// Code points, with every byte that is not valid UTF-8 kept as a unit of its
// own so that such names still match themselves.
std::u32string decode(std::string_view utf8) {
    std::u32string out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        bool valid = n > 0 && i + n <= utf8.size();
        char32_t c = n == 1 ? b : n == 2 ? b & 0x1F : n == 3 ? b & 0x0F : b & 0x07;
        for (size_t k = 1; valid && k < n; ++k) {
            unsigned char t = static_cast<unsigned char>(utf8[i + k]);
            if ((t & 0xC0) != 0x80) valid = false;
            c = (c << 6) | (t & 0x3F);
        }
        if (!valid) {
            out += static_cast<char32_t>(0x110000 + b);
            ++i;
            continue;
        }
        out += c;
        i += n;
    }
    return out;
}

char32_t fold(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + (U'a' - U'A');
    if (c >= U'Ａ' && c <= U'Ｚ') return c + (U'ａ' - U'Ａ');
    return c;
}

// Glob matching with one backtrack point: linear in practice, never
// exponential whatever the pattern.
bool glob(std::u32string_view pattern, std::u32string_view name) {
    size_t p = 0, n = 0, star = std::u32string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == U'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == U'?' || fold(pattern[p]) == fold(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::u32string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*') ++p;
    return p == pattern.size();
}

}  // namespace

FilterList parse_filter_text(std::string_view filter_text) {
    FilterList list;
    size_t start = 0;
    while (start <= filter_text.size()) {
        size_t end = filter_text.find(';', start);
        if (end == std::string_view::npos) end = filter_text.size();
        std::string_view one = filter_text.substr(start, end - start);
        if (!one.empty()) list.filters.push_back(parse_one(one));
        start = end + 1;
    }
    if (list.filters.empty()) list.filters.push_back(parse_one(to_sjis("すべてのﾌｧｲﾙ(*.*)")));
    return list;
}

bool matches_filter_pattern(std::string_view sjis_pattern, std::string_view utf8_file_name) {
    std::u32string pattern = decode(to_utf8(sjis_pattern));
    std::u32string name = decode(utf8_file_name);
    if (glob(pattern, name)) return true;
    if (pattern.size() >= 2 && pattern.ends_with(U".*") &&
        name.find(U'.') == std::u32string::npos)
        return glob(std::u32string_view(pattern).substr(0, pattern.size() - 2), name);
    return false;
}

bool matches_filter(const FileFilter& filter, std::string_view utf8_file_name) {
    if (filter.patterns.empty()) return true;
    for (const std::string& pattern : filter.patterns)
        if (matches_filter_pattern(pattern, utf8_file_name)) return true;
    return false;
}

DefaultPath split_default_path(std::string_view path) {
    size_t slash = path.rfind('/');
    size_t cut = slash == std::string_view::npos ? 0 : slash + 1;
    return DefaultPath{std::string(path.substr(0, cut)), std::string(path.substr(cut))};
}

std::string save_name_refusal(std::string_view utf8_name) {
    if (utf8_name.find_first_of("*?") == std::string_view::npos) return {};
    return to_sjis("「" + std::string(utf8_name) +
                   "」はファイル名ではありません（* と ? はファイルを絞り込む文字です）。"
                   "保存するファイルの名前を入力してください。");
}

std::string every_file_caption() { return to_sjis("すべてのファイル (*)"); }

FilterList open_dialog_filters(FilterList list) {
    const auto shows_every_file = [](const FileFilter& filter) {
        return filter.patterns.empty() ||
               std::any_of(filter.patterns.begin(), filter.patterns.end(),
                           [](const std::string& p) { return p == "*" || p == "*.*"; });
    };
    if (std::none_of(list.filters.begin(), list.filters.end(), shows_every_file))
        list.filters.push_back(FileFilter{every_file_caption(), {}});
    return list;
}

}  // namespace scanfee::rt
