// Writes src/runtime/cp932_table.cpp from the C library's iconv CP932, so that
// every build of the program (the browser's too, whose C library has no
// CP932) converts exactly as glibc does. Run by tools/generate-cp932-table.sh;
// the converter's test compares the result with iconv again.
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr unsigned FIRST_TRAIL = 0x40, LAST_TRAIL = 0xFC;
constexpr char32_t NO_CHARACTER = 0xFFFD;  // marks a code without a character

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            std::fprintf(stderr, "iconv cannot convert %s to %s\n", from, to);
            std::exit(1);
        }
    }
    ~Iconv() { iconv_close(cd_); }
    // The whole of `in` converted, or nothing when iconv refuses any of it.
    std::optional<std::string> convert(const std::string& in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t src_left = in.size();
        char out[64];
        char* dst = out;
        size_t dst_left = sizeof out;
        if (iconv(cd_, &src, &src_left, &dst, &dst_left) == static_cast<size_t>(-1) || src_left)
            return std::nullopt;
        return std::string(out, sizeof out - dst_left);
    }

private:
    iconv_t cd_;
};

std::string utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | (c >> 18));
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
    return s;
}

// The one code point of a UTF-8 text, or nothing.
std::optional<char32_t> single_code_point(const std::string& s) {
    if (s.empty()) return std::nullopt;
    auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    size_t n = b(0) < 0x80 ? 1 : b(0) < 0xE0 ? 2 : b(0) < 0xF0 ? 3 : 4;
    if (s.size() != n) return std::nullopt;
    char32_t c = n == 1 ? b(0) : n == 2 ? b(0) & 0x1F : n == 3 ? b(0) & 0x0F : b(0) & 0x07;
    for (size_t i = 1; i < n; ++i) c = (c << 6) | (b(i) & 0x3F);
    return c;
}

bool is_lead(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Of the codes that show the same character, the converter writes the
// lowest, but never one of the NEC-selected IBM extensions (lead bytes ED
// and EE) while the IBM extensions (FA to FC) hold the character as well.
unsigned preference(unsigned code) { return code >= 0xED00 && code <= 0xEEFF ? code + 0x10000 : code; }

}  // namespace

int main() {
    Iconv decoder("UTF-8", "CP932");
    Iconv encoder("CP932", "UTF-8");

    // Decoding: every two-byte code.
    std::map<unsigned, std::vector<char32_t>> rows;  // lead byte -> characters of its trails
    std::map<char32_t, unsigned> first_code;         // the preferred code of each character
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!is_lead(lead)) continue;
        std::vector<char32_t> row;
        bool any = false;
        for (unsigned trail = FIRST_TRAIL; trail <= LAST_TRAIL; ++trail) {
            auto text = decoder.convert(std::string{char(lead), char(trail)});
            auto c = text ? single_code_point(*text) : std::nullopt;
            if (text && !c) {
                std::fprintf(stderr, "%02X%02X gives more than one character\n", lead, trail);
                return 1;
            }
            if (c == NO_CHARACTER) {
                std::fprintf(stderr, "%02X%02X gives the mark of no character\n", lead, trail);
                return 1;
            }
            row.push_back(c ? *c : NO_CHARACTER);
            if (c) {
                any = true;
                unsigned code = lead << 8 | trail;
                auto [it, added] = first_code.emplace(*c, code);
                if (!added && preference(code) < preference(it->second)) it->second = code;
            }
        }
        if (any) rows[lead] = row;
    }

    // Encoding: every character of the Basic Multilingual Plane whose code is
    // not the preferred one of those that decode to it, or that no code
    // decodes to.
    std::vector<std::pair<char32_t, unsigned>> exceptions;
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        if (c >= 0xFF61 && c <= 0xFF9F) continue;  // half-width katakana: A1 to DF
        auto bytes = encoder.convert(utf8(c));
        unsigned code = 0;
        if (bytes && bytes->size() == 1) code = static_cast<unsigned char>((*bytes)[0]);
        if (bytes && bytes->size() == 2)
            code = static_cast<unsigned char>((*bytes)[0]) << 8 | static_cast<unsigned char>((*bytes)[1]);
        if (bytes && (bytes->empty() || bytes->size() > 2)) {
            std::fprintf(stderr, "U+%04X gives %zu bytes\n", unsigned(c), bytes->size());
            return 1;
        }
        auto first = first_code.find(c);
        unsigned expected = first == first_code.end() ? 0 : first->second;
        if (code != expected) exceptions.emplace_back(c, code);
    }

    std::printf(
        "// CP932 as glibc's iconv converts it, for every build of the program.\n"
        "// Written by tools/generate-cp932-table.sh: do not edit by hand.\n"
        "#include \"runtime/cp932_table.h\"\n\n"
        "namespace scanfee::rt::cp932 {\n\n"
        "// Each row: a lead byte and the characters of its trail bytes 0x40 to 0xFC,\n"
        "// one UTF-8 character each, 63 to a line; \"\\uFFFD\" marks a code without one.\n"
        "const Row ROWS[] = {\n");
    for (const auto& [lead, row] : rows) {
        std::printf("    {0x%02X,\n", lead);
        for (size_t i = 0; i < row.size(); i += 63) {
            std::printf("     \"");
            for (size_t j = i; j < i + 63 && j < row.size(); ++j) {
                char32_t c = row[j];
                if (c == NO_CHARACTER) std::printf("\\uFFFD");
                else if (c == '"' || c == '\\') std::printf("\\%c", char(c));
                else if (c < 0x20 || c == 0x7F) std::printf("\\x%02X", unsigned(c));
                else std::printf("%s", utf8(c).c_str());
            }
            std::printf("\"%s\n", i + 63 >= row.size() ? "}," : "");
        }
    }
    std::printf("};\nconst std::size_t ROW_COUNT = sizeof ROWS / sizeof ROWS[0];\n\n");
    std::printf(
        "// Characters the rows do not give the code of: another code than the\n"
        "// preferred one of those that show them (0: none at all), or one that no\n"
        "// code shows.\n"
        "const Encoding ENCODINGS[] = {\n");
    for (size_t i = 0; i < exceptions.size(); ++i) {
        std::printf("%s{0x%04X, 0x%04X},", i % 4 == 0 ? "    " : " ", unsigned(exceptions[i].first),
                    exceptions[i].second);
        if (i % 4 == 3 || i + 1 == exceptions.size()) std::printf("\n");
    }
    std::printf("};\nconst std::size_t ENCODING_COUNT = sizeof ENCODINGS / sizeof ENCODINGS[0];\n\n"
                "}  // namespace scanfee::rt::cp932\n");
    return 0;
}
