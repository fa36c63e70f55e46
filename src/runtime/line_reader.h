#pragma once
// Lines of a text file read one at a time from an InputFile, in constant
// memory: a piece of the file and the line being read. A file with any CR
// ends its lines at CR or CR LF, a lone LF staying in the text; a file
// without a single CR (a text file of Linux or macOS) ends them at LF.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/input_file.h"
#include "runtime/text_file.h"

namespace scanfee::rt {

enum class LineEnd { CarriageReturn, LineFeed };

// One step of the line rule over `window`, the unread bytes at hand; `last`
// says that the window reaches the end of the text. The line's bytes go to
// `line`, NULs dropped, at most `max` of them; a Ctrl-Z that is the very
// last byte of the text ends it. A CR or Ctrl-Z as the final byte of a
// window that is not the last is left unread: the byte after it decides.
struct LineStep {
    std::size_t used = 0;   // bytes of the window taken
    bool ended = false;     // the line is complete
    bool too_long = false;  // the line holds more than `max` bytes
};
LineStep scan_line(std::string_view window, bool last, LineEnd end, std::string& line,
                   std::size_t max);

// Reads the file once from its start, handing each piece to `look` until
// it returns false, and goes back to the start.
Status look_through(InputFile& file, const std::function<bool(std::string_view)>& look);

// CR when the file holds any CR, LF otherwise: a first pass that stops at
// the first CR.
Result<LineEnd> line_end_of(InputFile& file);

// The piece of the file a reader holds at a time.
inline constexpr std::size_t LINE_READER_PIECE_BYTES = 64 * 1024;

class LineReader {
public:
    // `piece_bytes` (at least 2) is for tests of the pieces' ends.
    LineReader(InputFile& file, LineEnd end, std::size_t max_line = MAX_LINE_BYTES,
               std::size_t piece_bytes = LINE_READER_PIECE_BYTES);

    // True when nothing but an ending Ctrl-Z is left.
    Result<bool> at_end();
    // The next line without its line end: 15 when it is longer than the
    // limit, 54 past the end.
    Result<std::string> read_line();
    // Skips the lines that end at once, as reading them one by one would,
    // and gives how many: a run of blank lines costs no line of its own.
    Result<std::size_t> skip_empty_lines();
    // Lines read so far: the number of the line read last.
    std::size_t lines_read() const { return lines_; }

private:
    Status fill();
    std::string_view window() const { return {buffer_.get() + begin_, end_ - begin_}; }
    FileError failure(int number, const char* what) const;

    InputFile& file_;
    LineEnd line_end_;
    std::size_t max_line_;
    std::size_t piece_bytes_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    bool file_done_ = false;
    std::size_t lines_ = 0;
};

}  // namespace scanfee::rt
