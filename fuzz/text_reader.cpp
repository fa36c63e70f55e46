// The line and field reader of text files: any bytes, any order of reads.
// Beyond "no crash": a failed read leaves the position where it was; every
// read moves on, so a file is read to its end; lines never hold a CR or a
// NUL and never exceed 32767 bytes; and reading a file line by line gives
// the lines an independent splitter finds, whole in memory or streamed in
// pieces of any size, with CR or with LF line ends.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "runtime/fatal.h"
#include "runtime/input_file.h"
#include "runtime/line_reader.h"
#include "runtime/text_file.h"

using namespace scanfee::rt;

namespace {

// CR or CR LF ends a line, a lone LF does not (with LF line ends: LF ends a
// line, CR does not), NULs are dropped, and a Ctrl-Z as the very last byte
// is no text.
std::vector<std::string> reference_lines(std::string bytes, LineEnd end = LineEnd::CarriageReturn) {
    if (!bytes.empty() && bytes.back() == '\x1A') bytes.pop_back();
    const char terminator = end == LineEnd::CarriageReturn ? '\r' : '\n';
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        open = true;
        if (bytes[i] == terminator) {
            if (terminator == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            lines.push_back(line);
            line.clear();
            open = false;
        } else if (bytes[i] != '\0') {
            line += bytes[i];
        }
    }
    if (open) lines.push_back(line);
    return lines;
}

// The outcome of one read, comparable between two readers.
struct Outcome {
    bool ok = false;
    int error = 0;
    std::string value;
    bool operator==(const Outcome&) const = default;
};

template <class T>
Outcome outcome(const Result<T>& r) {
    Outcome o;
    o.ok = bool(r);
    if (!r) {
        o.error = r.error().number;
    } else if constexpr (std::is_same_v<T, std::string>) {
        o.value = r.value();
    } else {
        o.value = std::to_string(r.value());
    }
    return o;
}

// The outcome of a read, after checking what every read must hold: a failure
// is one of `errors`; a text holds no CR and fits the line limit.
template <class T>
Outcome checked(const Result<T>& r, std::initializer_list<int> errors) {
    if (!r) {
        bool known = false;
        for (int e : errors) known |= r.error().number == e;
        FUZZ_CHECK(known);
    } else if constexpr (std::is_same_v<T, std::string>) {
        FUZZ_CHECK(r.value().find('\r') == std::string::npos);
        FUZZ_CHECK(r.value().size() <= MAX_LINE_BYTES);
    }
    return outcome(r);
}

Outcome apply(TextFileReader& reader, uint8_t op) {
    switch (op % 4) {
        case 0: {
            auto r = reader.read_line();
            if (r) FUZZ_CHECK(r.value().find('\0') == std::string::npos);
            return checked(r, {ERR_READ_PAST_END, ERR_LINE_TOO_LONG});
        }
        case 1:
            return checked(reader.read_text_field(), {ERR_READ_PAST_END, ERR_LINE_TOO_LONG});
        case 2:
            return checked(reader.read_number_field(),
                           {ERR_READ_PAST_END, ERR_LINE_TOO_LONG, ERR_EMPTY_NUMBER_FIELD});
        default:
            return checked(reader.read_int16_field(), {ERR_READ_PAST_END, ERR_LINE_TOO_LONG,
                                                       ERR_EMPTY_NUMBER_FIELD, ERR_OVERFLOW});
    }
}

void lines_only(const std::string& bytes) {
    const std::vector<std::string> expected = reference_lines(bytes);
    bool too_long = false;
    for (const auto& line : expected) too_long |= line.size() > MAX_LINE_BYTES;
    TextFileReader reader(bytes);
    std::vector<std::string> lines;
    while (!reader.at_end()) {
        auto r = reader.read_line();
        if (!r) {
            FUZZ_CHECK(too_long && r.error().number == ERR_LINE_TOO_LONG);
            return;
        }
        lines.push_back(r.value());
        FUZZ_CHECK(lines.size() <= expected.size());
    }
    FUZZ_CHECK(!too_long);
    FUZZ_CHECK(lines == expected);
    FUZZ_CHECK(!reader.read_line() && reader.read_line().error().number == ERR_READ_PAST_END);
}

// The same lines streamed in pieces of `piece` bytes, runs of empty lines
// skipped at once when `skip` says so.
void streamed_lines(const std::string& bytes, LineEnd end, size_t piece, bool skip) {
    const std::vector<std::string> expected = reference_lines(bytes, end);
    size_t fit = 0;  // lines before the first that is too long
    while (fit < expected.size() && expected[fit].size() <= MAX_LINE_BYTES) ++fit;
    InputFile file = InputFile::of_bytes(bytes);
    LineReader reader(file, end, MAX_LINE_BYTES, piece);
    std::vector<std::string> lines;
    while (!reader.at_end().value()) {
        auto r = reader.read_line();
        if (!r) {
            FUZZ_CHECK(r.error().number == ERR_LINE_TOO_LONG && lines.size() == fit);
            FUZZ_CHECK(reader.lines_read() == fit);
            return;
        }
        lines.push_back(r.value());
        if (skip && lines.back().empty()) lines.resize(lines.size() + reader.skip_empty_lines().value());
        FUZZ_CHECK(lines.size() <= fit && reader.lines_read() == lines.size());
    }
    FUZZ_CHECK(lines == expected);
    FUZZ_CHECK(reader.read_line().error().number == ERR_READ_PAST_END);
}

// The reads are chosen by the first bytes of the input, the rest is the file.
void program(const uint8_t* data, size_t size, const std::string& head) {
    const size_t ops = size > 0 ? data[0] % 32 + 1 : 1;
    const size_t skip = std::min(size, ops + 1);
    const std::vector<uint8_t> code(data + std::min<size_t>(1, size), data + skip);
    const std::string bytes =
        head + std::string(reinterpret_cast<const char*>(data) + skip, size - skip);

    TextFileReader reader(bytes);
    size_t successes = 0;
    // Every successful read consumes at least one byte, except one empty
    // field after a separator at the very end.
    const size_t most = 2 * bytes.size() + 2;
    auto op_at = [&](size_t step) { return code.empty() ? uint8_t(0) : code[step % code.size()]; };
    for (size_t step = 0; step < 4 * bytes.size() + 16 && !reader.at_end(); ++step) {
        const Outcome o = apply(reader, op_at(step));
        if (o.ok) {
            FUZZ_CHECK(++successes <= most);
            continue;
        }
        // The position is where it was: a fresh reader that makes only the
        // successful reads reads on exactly like the one that failed.
        TextFileReader again(bytes);
        for (size_t k = 0; k < step; ++k) FUZZ_CHECK(apply(again, op_at(k)).ok);
        FUZZ_CHECK(outcome(again.read_line()) == outcome(reader.read_line()));
        return;
    }
}

}  // namespace

// The first byte: 0x80 reads lines only, whole and streamed (0x20: with LF
// line ends; the second byte picks the pieces' size, and with 0x40 runs of
// empty lines are skipped at once); 0x40 puts a line of
// 32767 to 32769 bytes in front of the file, so that the length limit is
// met without inputs that large.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const std::string head = data[0] & 0x40 ? std::string(MAX_LINE_BYTES + data[1] % 3, 'A') : "";
    if (data[0] & 0x80) {
        const std::string bytes = head + std::string(reinterpret_cast<const char*>(data) + 2, size - 2);
        lines_only(bytes);
        const size_t piece = data[1] & 0x80 ? LINE_READER_PIECE_BYTES : 2 + data[1] % 17;
        streamed_lines(bytes, data[0] & 0x20 ? LineEnd::LineFeed : LineEnd::CarriageReturn, piece,
                       data[1] & 0x40);
    } else
        program(data + 2, size - 2, head);
    return 0;
}
