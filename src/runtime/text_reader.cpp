#include <cmath>

#include "runtime/line_reader.h"
#include "runtime/text_file.h"

namespace scanfee::rt {
namespace {

constexpr char CTRL_Z = '\x1A';

bool is_separator(char c) { return c == ',' || c == ':'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TextFileReader::TextFileReader(std::string bytes, std::string path)
    : bytes_(std::move(bytes)), path_(std::move(path)) {
    end_ = bytes_.size();
    if (end_ > 0 && bytes_[end_ - 1] == CTRL_Z) --end_;
}

TextFileReader TextFileReader::of_line(std::string line) {
    TextFileReader reader(std::move(line));
    reader.end_ = reader.bytes_.size();
    return reader;
}

std::vector<std::string> line_fields(std::string_view line, std::size_t most) {
    TextFileReader reader = TextFileReader::of_line(std::string(line));
    std::vector<std::string> fields;
    while (fields.size() < most) {
        Result<std::string> field = reader.read_text_field();
        if (!field) break;  // past the end: no field is longer than its line
        fields.push_back(std::move(field).value());
    }
    return fields;
}

FileError TextFileReader::failure(int number, std::string what) const {
    return FileError{number, path_, std::move(what) + " at byte " + std::to_string(pos_)};
}

Result<std::string> TextFileReader::read_line() {
    if (at_end()) return failure(ERR_READ_PAST_END, "line");
    std::string line;
    // The whole rest, an ending Ctrl-Z included: the line rule itself ends
    // the text there.
    LineStep step = scan_line(std::string_view(bytes_).substr(pos_), true,
                              LineEnd::CarriageReturn, line, MAX_LINE_BYTES);
    if (step.too_long) return failure(ERR_LINE_TOO_LONG, "line");
    pos_ += step.used;
    after_separator_ = false;
    return line;
}

Result<TextFileReader::Field> TextFileReader::scan_field(bool number) const {
    if (at_end() && !after_separator_) return failure(ERR_READ_PAST_END, "field");
    size_t p = pos_;
    while (p < end_ && (bytes_[p] == ' ' || bytes_[p] == '\0')) ++p;

    Field field;
    auto take = [&](char c) {
        field.empty = false;
        if (c == '\0') return true;
        if (field.text.size() == MAX_LINE_BYTES) return false;
        field.text += c;
        return true;
    };
    auto ends_field = [&](size_t i) { return is_separator(bytes_[i]) || bytes_[i] == '\r'; };

    if (p < end_ && bytes_[p] == '"') {
        field.empty = false;
        for (++p; p < end_ && bytes_[p] != '"' && bytes_[p] != '\r'; ++p)
            if (!take(bytes_[p])) return failure(ERR_LINE_TOO_LONG, "field");
        if (p < end_ && bytes_[p] == '"') ++p;
        // What stands between the closing quote and the separator belongs to
        // no field.
        while (p < end_ && !ends_field(p)) ++p;
    } else {
        bool digits = false;
        for (; p < end_ && !ends_field(p); ++p) {
            char c = bytes_[p];
            if (number && c == ' ' && digits) break;
            if (is_digit(c)) digits = true;
            if (!take(c)) return failure(ERR_LINE_TOO_LONG, "field");
        }
        // A number ended by a blank still owns the separator after it, so
        // "12 ,5" reads as 12 and 5.
        while (p < end_ && !ends_field(p) && (bytes_[p] == ' ' || bytes_[p] == '\0')) ++p;
    }

    if (p < end_ && is_separator(bytes_[p])) {
        ++p;
        field.separator = true;
    } else if (p < end_ && bytes_[p] == '\r') {
        ++p;
        if (p < end_ && bytes_[p] == '\n') ++p;
    }
    field.next = p;
    return field;
}

void TextFileReader::consume(const Field& field) {
    pos_ = field.next;
    after_separator_ = field.separator;
}

Result<std::string> TextFileReader::read_text_field() {
    Result<Field> field = scan_field(false);
    if (!field) return field.error();
    consume(field.value());
    return std::move(field).value().text;
}

Result<double> TextFileReader::read_number_field() {
    Result<Field> field = scan_field(true);
    if (!field) return field.error();
    if (field.value().empty) return failure(ERR_EMPTY_NUMBER_FIELD, "number field");
    consume(field.value());
    return val(field.value().text);
}

Result<int16> TextFileReader::read_int16_field() {
    Result<Field> field = scan_field(true);
    if (!field) return field.error();
    if (field.value().empty) return failure(ERR_EMPTY_NUMBER_FIELD, "number field");
    double rounded = std::nearbyint(val(field.value().text));
    if (!(rounded >= -32768 && rounded <= 32767)) return failure(ERR_OVERFLOW, "number field");
    consume(field.value());
    return static_cast<int16>(rounded);
}

}  // namespace scanfee::rt
