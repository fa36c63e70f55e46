// The program's own CP932 table against the C library's iconv, which it
// replaces in every build: every two-byte code, every character of the Basic
// Multilingual Plane and random byte strings convert alike, marks included.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <random>
#include <stdexcept>

#include "runtime/sjis.h"

namespace scanfee::rt {
namespace {

// The conversion as it was made with iconv: an invalid or unconvertible
// sequence is skipped by `skip` bytes and marked with `replacement`.
class IconvReference {
public:
    IconvReference(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no iconv for CP932");
    }
    ~IconvReference() { iconv_close(cd_); }
    IconvReference(const IconvReference&) = delete;
    IconvReference& operator=(const IconvReference&) = delete;

    template <class Skip>
    std::string convert(std::string_view in, std::string_view replacement, Skip skip) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char* src = const_cast<char*>(in.data());
        size_t src_left = in.size();
        char buffer[1024];
        while (src_left > 0) {
            char* dst = buffer;
            size_t dst_left = sizeof buffer;
            size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                size_t n = skip(std::string_view(src, src_left));
                src += n;
                src_left -= n;
                out.append(replacement);
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

size_t utf8_skip(std::string_view s) {
    unsigned char b = static_cast<unsigned char>(s[0]);
    size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (n > s.size()) n = s.size();
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;
    return n;
}

size_t sjis_skip(std::string_view s) {
    if (s.size() < 2 || !is_lead_byte(static_cast<unsigned char>(s[0]))) return 1;
    unsigned char t = static_cast<unsigned char>(s[1]);
    return (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC) ? 2 : 1;
}

std::string iconv_to_sjis(std::string_view utf8) {
    static IconvReference reference("CP932", "UTF-8");
    return reference.convert(utf8, "?", utf8_skip);
}

std::string iconv_to_utf8(std::string_view sjis) {
    static IconvReference reference("UTF-8", "CP932");
    return reference.convert(sjis, "\xEF\xBF\xBD", sjis_skip);
}

// Any code point below 0x10000 as three bytes or fewer, surrogates included
// (as the generalised form that strict UTF-8 refuses).
std::string utf8_of(unsigned c) {
    std::string s;
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
    return s;
}

TEST(SjisTable, EveryByteAndBytePairDecodesAsIconvDoes) {
    int differences = 0;
    for (unsigned first = 0; first < 0x100; ++first) {
        for (unsigned second = 0; second < 0x100; ++second) {
            const std::string bytes{char(first), char(second)};
            if (to_utf8(bytes) != iconv_to_utf8(bytes) && ++differences <= 10)
                ADD_FAILURE() << std::hex << "bytes " << first << " " << second;
        }
        const std::string alone{char(first)};
        EXPECT_EQ(to_utf8(alone), iconv_to_utf8(alone)) << std::hex << "byte " << first;
    }
    EXPECT_EQ(differences, 0);
}

TEST(SjisTable, EveryCharacterOfTheBasicPlaneEncodesAsIconvDoes) {
    int differences = 0, encoded = 0;
    for (unsigned c = 0; c < 0x10000; ++c) {
        const std::string utf8 = "a" + utf8_of(c) + "b";
        const std::string mine = to_sjis(utf8);
        if (mine != iconv_to_sjis(utf8) && ++differences <= 10)
            ADD_FAILURE() << std::hex << "U+" << c << " gives " << mine.size() - 2 << " bytes";
        encoded += mine != "a?b";
    }
    EXPECT_EQ(differences, 0);
    // ASCII, half-width katakana and the two-byte characters, every one.
    EXPECT_GT(encoded, 9000);
}

// Malformed UTF-8 (overlong forms, cut sequences, stray continuation bytes)
// and broken Shift-JIS are marked at the same places.
TEST(SjisTable, RandomBytesConvertAsIconvDoesBothWays) {
    std::mt19937 random(20160429);
    // Bytes around every boundary of both encodings.
    const unsigned char interesting[] = {0x00, 0x0D, 0x41, 0x5C, 0x7E, 0x7F, 0x80, 0x81, 0x9F, 0xA0,
                                         0xA1, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF, 0xE0, 0xE3, 0xED, 0xEE,
                                         0xEF, 0xF0, 0xF3, 0xF4, 0xF5, 0xF8, 0xFC, 0xFD, 0xFE, 0xFF};
    for (int run = 0; run < 100000; ++run) {
        std::string bytes(random() % 12, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random() % 2 ? interesting[random() % sizeof interesting] : random() % 256);
        // glibc drops the tag characters U+E0000 to U+E007F without a mark;
        // the program marks them (below).
        if (bytes.find("\xF3\xA0\x80") != std::string::npos || bytes.find("\xF3\xA0\x81") != std::string::npos)
            continue;
        ASSERT_EQ(to_sjis(bytes), iconv_to_sjis(bytes)) << testing::PrintToString(bytes);
        // A character kept between FD and FE (to_sjis_shown) shows as itself.
        if (bytes.find('\xFD') != std::string::npos && bytes.find('\xFE') != std::string::npos) continue;
        ASSERT_EQ(to_utf8(bytes), iconv_to_utf8(bytes)) << testing::PrintToString(bytes);
    }
    EXPECT_EQ(to_utf8(to_sjis_shown("😀壊れ\xFF.SAV")), "😀壊れ?.SAV");
    EXPECT_EQ(to_sjis_shown("壊れ.SAV"), to_sjis("壊れ.SAV"));
}

TEST(SjisTable, CharactersBeyondTheBasicPlaneAreMarkedNeverDropped) {
    EXPECT_EQ(to_sjis("a\U000E0041b"), "a?b");  // a tag character
    EXPECT_EQ(to_sjis("\U00020BB7"), "?");      // 𠮷
    EXPECT_EQ(to_sjis("\U0010FFFF", "\x81\x48"), "\x81\x48");
}

}  // namespace
}  // namespace scanfee::rt
