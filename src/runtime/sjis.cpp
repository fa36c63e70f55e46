#include "runtime/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace scanfee::rt {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in`; an invalid or unconvertible input sequence is skipped by
    // `skip(in_bytes_left)` bytes and `replacement` is written in its place.
    template <class Skip>
    std::string convert(std::string_view in, std::string_view replacement, Skip skip) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(in.size() * 2 + 4);
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
                // EILSEQ or EINVAL: drop the offending bytes and mark them.
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

// Length of the UTF-8 sequence that starts `s`, at least 1.
size_t utf8_sequence_length(std::string_view s) {
    unsigned char b = static_cast<unsigned char>(s[0]);
    size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (n > s.size()) n = s.size();
    for (size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;
    return n;
}

size_t sjis_sequence_length(std::string_view s) {
    if (s.size() < 2 || !is_lead_byte(static_cast<unsigned char>(s[0]))) return 1;
    unsigned char t = static_cast<unsigned char>(s[1]);
    bool trail = (t >= 0x40 && t <= 0x7E) || (t >= 0x80 && t <= 0xFC);
    return trail ? 2 : 1;
}

}  // namespace

std::string to_sjis(std::string_view utf8) { return to_sjis(utf8, "?"); }

std::string to_sjis(std::string_view utf8, std::string_view replacement) {
    static Converter converter("CP932", "UTF-8");
    return converter.convert(utf8, replacement, utf8_sequence_length);
}

std::string to_utf8(std::string_view sjis) {
    static Converter converter("UTF-8", "CP932");
    return converter.convert(sjis, "\xEF\xBF\xBD", sjis_sequence_length);
}

}  // namespace scanfee::rt
