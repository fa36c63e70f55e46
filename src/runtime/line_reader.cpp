#include "runtime/line_reader.h"

#include <algorithm>
#include <cstring>

namespace scanfee::rt {
namespace {

constexpr char CTRL_Z = '\x1A';

// A piece of `wanted` bytes, or the whole of a smaller file (and at least
// the two bytes a line end may need).
std::size_t piece_for(const InputFile& file, std::size_t wanted) {
    return static_cast<std::size_t>(
        std::max<std::uint64_t>(2, std::min<std::uint64_t>(wanted, file.size() + 1)));
}

}  // namespace

LineStep scan_line(std::string_view window, bool last, LineEnd end, std::string& line,
                   std::size_t max) {
    const char terminator = end == LineEnd::CarriageReturn ? '\r' : '\n';
    LineStep step;
    for (std::size_t i = 0; i < window.size(); ++i) {
        const char b = window[i];
        const bool final_byte = i + 1 == window.size();
        if (b == terminator || (b == CTRL_Z && final_byte)) {
            if (final_byte && !last) {
                step.used = i;
                return step;
            }
            step.used = i + 1;
            // CR LF is one line end.
            if (b == '\r' && !final_byte && window[i + 1] == '\n') ++step.used;
            step.ended = true;
            return step;
        }
        if (b == '\0') continue;
        if (line.size() >= max) {
            step.used = i;
            step.too_long = true;
            return step;
        }
        line += b;
    }
    step.used = window.size();
    step.ended = last;
    return step;
}

Status look_through(InputFile& file, const std::function<bool(std::string_view)>& look) {
    if (Status failed = file.rewind()) return failed;
    const std::size_t size = piece_for(file, LINE_READER_PIECE_BYTES);
    std::unique_ptr<char[]> piece(new char[size]);
    for (;;) {
        Result<std::size_t> got = file.read(piece.get(), size);
        if (!got) return got.error();
        if (got.value() == 0 || !look(std::string_view(piece.get(), got.value()))) break;
    }
    return file.rewind();
}

Result<LineEnd> line_end_of(InputFile& file) {
    bool carriage_return = false;
    Status failed = look_through(file, [&](std::string_view piece) {
        carriage_return = piece.find('\r') != std::string_view::npos;
        return !carriage_return;
    });
    if (failed) return *failed;
    return carriage_return ? LineEnd::CarriageReturn : LineEnd::LineFeed;
}

LineReader::LineReader(InputFile& file, LineEnd end, std::size_t max_line,
                       std::size_t piece_bytes)
    : file_(file),
      line_end_(end),
      max_line_(max_line),
      piece_bytes_(piece_for(file, piece_bytes)),
      buffer_(new char[piece_bytes_]) {}

FileError LineReader::failure(int number, const char* what) const {
    return FileError{number, file_.path(), std::string(what) + " at line " + std::to_string(lines_ + 1)};
}

// The window holds at least two bytes unless the file is at its end, so
// that a CR or Ctrl-Z always has its following byte at hand.
Status LineReader::fill() {
    while (!file_done_ && end_ - begin_ < 2) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        Result<std::size_t> got = file_.read(buffer_.get() + end_, piece_bytes_ - end_);
        if (!got) return got.error();
        if (got.value() == 0) file_done_ = true;
        end_ += got.value();
    }
    return std::nullopt;
}

Result<bool> LineReader::at_end() {
    if (Status failed = fill()) return *failed;
    return file_done_ && (window().empty() || window() == std::string_view(&CTRL_Z, 1));
}

Result<std::string> LineReader::read_line() {
    Result<bool> end = at_end();
    if (!end) return end.error();
    if (end.value()) return failure(ERR_READ_PAST_END, "line");
    std::string line;
    for (;;) {
        if (Status failed = fill()) return *failed;
        LineStep step = scan_line(window(), file_done_, line_end_, line, max_line_);
        begin_ += step.used;
        if (step.too_long) return failure(ERR_LINE_TOO_LONG, "line");
        if (step.ended) break;
    }
    ++lines_;
    return line;
}

Result<std::size_t> LineReader::skip_empty_lines() {
    std::size_t skipped = 0;
    for (;;) {
        if (Status failed = fill()) return *failed;
        const std::string_view w = window();
        std::size_t i = 0;
        bool other = false;  // a byte that is no line end: the run is over
        while (i < w.size()) {
            if (line_end_ == LineEnd::LineFeed) {
                if (w[i] != '\n') {
                    other = true;
                    break;
                }
                ++i;
            } else {
                if (w[i] != '\r') {
                    other = true;
                    break;
                }
                // The byte after a final CR is still to come: it may be its LF.
                if (i + 1 == w.size() && !file_done_) break;
                i += i + 1 < w.size() && w[i + 1] == '\n' ? 2 : 1;
            }
            ++skipped;
        }
        begin_ += i;
        if (other || (file_done_ && window().empty()) || (i == 0 && file_done_)) break;
    }
    lines_ += skipped;
    return skipped;
}

}  // namespace scanfee::rt
