#pragma once
// Shift-JIS text files: a writer that collects lines ended by CR LF and
// commits them so that an old file is never lost half-written, and a reader
// for lines and for comma/colon separated fields. Failures come back as
// values (file_error.h); paths are native UTF-8 paths.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/file_error.h"
#include "runtime/numbers.h"
#include "runtime/paths.h"

namespace scanfee::rt {

// Longest line (and field) the reader hands out, in bytes.
inline constexpr std::size_t MAX_LINE_BYTES = 32767;
// No file of the program comes near this; anything larger is not read at all.
inline constexpr std::size_t MAX_TEXT_FILE_BYTES = 64u * 1024 * 1024;

enum class WriteMode {
    CreateNew,  // the target must not exist: 64 otherwise, and it stays as it was
    Replace,    // an existing target is replaced in one step, never truncated first
};

// Writes `bytes` as the whole content of `path`: a temporary file in the
// same folder, flushed to the disk, then renamed to the final name. On any
// failure the temporary file is removed and the target is untouched.
Status write_file_atomically(const std::string& path, std::string_view bytes, WriteMode mode);
// Renames `from` to `to` only while `to` does not exist, in one step where
// the file system allows; 0 or the errno of the failure (EEXIST: taken).
int rename_no_replace(const std::string& from, const std::string& to);

// The whole content of a regular file, refused above `max_bytes`.
Result<std::string> read_file_bytes(const std::string& path,
                                    std::size_t max_bytes = MAX_TEXT_FILE_BYTES);

class TextFileWriter {
public:
    explicit TextFileWriter(std::string path, WriteMode mode = WriteMode::CreateNew)
        : path_(std::move(path)), mode_(mode) {}

    // One line: the pieces byte for byte, nothing between them, then CR LF.
    template <class... Pieces>
    void write(const Pieces&... pieces) {
        (bytes_.append(std::string_view(pieces)), ...);
        bytes_ += "\r\n";
    }

    // One line that `fill` puts into the writer's buffer itself, then CR LF:
    // for long files of short fields, with no text made for each line.
    template <class Fill>
    void write_filled(Fill&& fill) {
        fill(bytes_);
        bytes_ += "\r\n";
    }

    // Puts the collected lines on the disk. Nothing reaches the file before.
    Status commit() const { return write_file_atomically(path_, bytes_, mode_); }

    const std::string& bytes() const { return bytes_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    WriteMode mode_;
    std::string bytes_;
};

// Reads lines and fields from text held in memory. A Ctrl-Z as the very last
// byte ends the text. Reading past the end gives 54; the position is left
// where it was after any failure.
class TextFileReader {
public:
    explicit TextFileReader(std::string bytes, std::string path = {});

    static Result<TextFileReader> open(const std::string& path,
                                       std::size_t max_bytes = MAX_TEXT_FILE_BYTES);
    // The fields of one line that a line reader gave: its last byte is no
    // end of a file, so a Ctrl-Z there is text like any other.
    static TextFileReader of_line(std::string line);

    // True when nothing but an ending Ctrl-Z is left.
    bool at_end() const { return pos_ >= end_; }

    // The next line without its line end. CR or CR LF ends a line; a lone LF
    // stays in the text; NUL bytes are dropped; more than 32767 bytes is 15.
    Result<std::string> read_line();

    // The next field. Fields are separated by "," or ":" outside double
    // quotes and end at the line end; leading blanks and NULs are skipped.
    // A text field keeps its inner and trailing blanks; a quoted one keeps
    // its commas and colons.
    Result<std::string> read_text_field();
    // A number field ends at a blank after its digits and takes the
    // text-to-number value of its text; an empty one is 58.
    Result<double> read_number_field();
    // The same, stored into a 16-bit integer: a value outside its range is 6.
    Result<int16> read_int16_field();

    const std::string& path() const { return path_; }

private:
    struct Field {
        std::string text;
        bool empty = true;      // nothing at all stood before the separator
        std::size_t next = 0;   // where the following field starts
        bool separator = false; // it ended at "," or ":" rather than a line end
    };
    Result<Field> scan_field(bool number) const;
    void consume(const Field& field);
    FileError failure(int number, std::string what) const;

    std::string bytes_;
    std::string path_;
    std::size_t end_ = 0;
    std::size_t pos_ = 0;
    // A separator was just consumed, so an empty field may still follow at
    // the very end of the text.
    bool after_separator_ = false;
};

// The fields of one line, as the field reader reads them, at most `most`
// of them: "a,b" gives a and b, "a," gives a and an empty field, an empty
// line none.
std::vector<std::string> line_fields(std::string_view line, std::size_t most);

}  // namespace scanfee::rt
