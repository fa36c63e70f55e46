// The title import's splitter (INDATA, MOJI_SUB) and its UTF-8 detection.
// Beyond "no crash": no more fields than the room and the commas allow; a
// line without quotes splits at every comma and joins back to itself; the
// detection agrees with an independent UTF-8 check, fed whole or in pieces,
// and what the import makes of any file is Shift-JIS it can show and print.
#include "files/import_split.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "encodings.h"
#include "files/utf8_detect.h"
#include "fuzz_check.h"

using namespace scanfee;

namespace {

void split(std::string_view line, int line_number, std::size_t room) {
    std::vector<std::string> fields{"left over"};
    const int last = files::INDATA(line, line_number, fields, room);
    const auto commas = static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
    FUZZ_CHECK(last >= 0 && static_cast<std::size_t>(last) <= commas);
    FUZZ_CHECK(fields.size() <= room && fields.size() <= static_cast<std::size_t>(last) + 1);
    if (line.find(files::QUOTE_MARKER) == std::string_view::npos)
        for (const std::string& f : fields)
            FUZZ_CHECK(f.find(files::QUOTE_MARKER) == std::string::npos);

    if (line.find('"') != std::string_view::npos || line_number == 0 || room <= commas) return;
    FUZZ_CHECK(static_cast<std::size_t>(last) == commas);
    std::string joined;
    for (std::size_t i = 0; i < fields.size(); ++i) joined += (i ? "," : "") + fields[i];
    if (!line.empty() && line.back() == ',') joined += ',';
    FUZZ_CHECK(joined == line);
}

// `piece` splits the bytes for the detector that is fed in pieces.
void detection(std::string_view bytes, std::size_t piece) {
    // In well-formed UTF-8 a byte from E0 on starts a sequence of three or
    // four bytes.
    bool long_sequence = false;
    for (char c : bytes) long_sequence |= static_cast<unsigned char>(c) >= 0xE0;
    // Every character fits CP932: the conversion puts "?" for none of them.
    const bool fits = fuzzcheck::well_formed_utf8(bytes) &&
                      std::count(bytes.begin(), bytes.end(), '?') ==
                          std::ranges::count(scanfee::rt::to_sjis(bytes), '?');
    const bool utf8 = bytes.substr(0, files::UTF8_BOM.size()) == files::UTF8_BOM ||
                      (long_sequence && fits);
    FUZZ_CHECK(files::is_utf8_text(bytes) == utf8);
    files::Utf8Detector pieces;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        pieces.feed(bytes.substr(at, piece));
        if (pieces.settled()) FUZZ_CHECK(pieces.is_utf8() == utf8);
    }
    FUZZ_CHECK(pieces.is_utf8() == utf8);
    // Every text taken is CP932 the program can show and print, and text
    // that is CP932 already is taken as it is.
    const std::string text = files::import_text(std::string(bytes));
    FUZZ_CHECK(fuzzcheck::valid_cp932(text));
    if (!utf8 && fuzzcheck::valid_cp932(bytes)) FUZZ_CHECK(text == bytes);
}

}  // namespace

// The first byte picks the line number (header or not) and the room.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t room = data[0] & 0x40 ? data[0] & 0x0F : std::size_t(-1);
    split(rest, data[0] & 0x80 ? 0 : 1, room);
    detection(rest, 1 + (data[0] & 0x07));
    return 0;
}
