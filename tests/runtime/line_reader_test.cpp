#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "runtime/input_file.h"
#include "runtime/line_reader.h"
#include "support/temp_dir.h"

namespace scanfee::rt {
namespace {

using Lines = std::vector<std::string>;

// Every line of `bytes` read as `end` says, in pieces of the reader's size.
Lines lines_of(std::string_view bytes, LineEnd end) {
    InputFile file = InputFile::of_bytes(bytes);
    LineReader reader(file, end);
    Lines lines;
    while (!reader.at_end().value()) lines.push_back(reader.read_line().value());
    EXPECT_EQ(reader.lines_read(), lines.size());
    return lines;
}

TEST(StreamedLines, FollowTheLineRuleOfTheirLineEnd) {
    const struct {
        const char* name;
        std::string bytes;
        Lines cr, lf;  // read with CR line ends, and with LF line ends
    } cases[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}, {"a\r", "b\r"}},
        {"cr alone", "a\rb", {"a", "b"}, {"a\rb"}},
        {"lf", "a\nb\nc\n", {"a\nb\nc\n"}, {"a", "b", "c"}},
        {"lf, none at the end", "a\nb", {"a\nb"}, {"a", "b"}},
        {"empty lines", "\n\nx", {"\n\nx"}, {"", "", "x"}},
        {"nul dropped", std::string("a\0b\n", 4), {"ab\n"}, {"ab"}},
        {"last ctrl-z ends the text", "a\n\x1A", {"a\n"}, {"a"}},
        {"ctrl-z ends a line", "a\x1A", {"a"}, {"a"}},
        {"ctrl-z inside stays", "a\x1A" "b", {"a\x1A" "b"}, {"a\x1A" "b"}},
        {"only the last ctrl-z ends", "\x1A\x1A", {"\x1A"}, {"\x1A"}},
        {"ctrl-z alone", "\x1A", {}, {}},
        {"empty file", "", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lines_of(c.bytes, LineEnd::CarriageReturn), c.cr);
        EXPECT_EQ(lines_of(c.bytes, LineEnd::LineFeed), c.lf);
        // The line rule of the whole-text reader is the same for CR.
        TextFileReader whole(c.bytes);
        Lines reference;
        while (!whole.at_end()) reference.push_back(whole.read_line().value());
        EXPECT_EQ(reference, c.cr);
    }
}

// The reader holds a piece of 64 KiB: a CR, a CR LF, a Ctrl-Z or a NUL on
// either side of a piece's end must read as anywhere else.
TEST(StreamedLines, PieceEndsChangeNothing) {
    const std::string specials[] = {"\r", "\r\n", "\n", "\x1A", std::string(1, '\0'), "\r\r"};
    for (size_t at = 65530; at <= 65538; ++at) {
        for (const std::string& special : specials) {
            for (bool at_end : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "at " << at << ", byte " << int(special[0])
                                                << (at_end ? ", last" : ""));
                std::string bytes;
                for (size_t i = 0; bytes.size() < at; ++i) bytes += (i % 97 == 96) ? '\r' : 'x';
                bytes.resize(at);
                bytes += special;
                if (!at_end) bytes += "tail\r\n";
                TextFileReader whole(bytes);
                Lines reference;
                while (!whole.at_end()) reference.push_back(whole.read_line().value());
                EXPECT_EQ(lines_of(bytes, LineEnd::CarriageReturn), reference);
            }
        }
    }
}

// Skipping a run of empty lines reads as reading each of them, in pieces of
// any size.
TEST(StreamedLines, SkippedEmptyLinesCountAsRead) {
    const std::string texts[] = {
        "a\r\n\r\n\r\r\n\rb\r\n",     "\r\n\r\n\x1A",  "a\r\n\r\n\n\r\nb",
        std::string("\r\n\0\r\nc", 6), "\n\n\na\n\n",       "x\r" + std::string(200, '\r'),
    };
    for (const std::string& text : texts) {
        for (LineEnd end : {LineEnd::CarriageReturn, LineEnd::LineFeed}) {
            const Lines expected = lines_of(text, end);
            for (std::size_t piece : {2, 3, 5, 64 * 1024}) {
                SCOPED_TRACE(::testing::Message() << "text " << &text - texts << ", piece " << piece
                                                  << (end == LineEnd::LineFeed ? ", LF" : ""));
                InputFile file = InputFile::of_bytes(text);
                LineReader reader(file, end, MAX_LINE_BYTES, piece);
                Lines lines;
                while (!reader.at_end().value()) {
                    lines.push_back(reader.read_line().value());
                    if (lines.back().empty())
                        lines.resize(lines.size() + reader.skip_empty_lines().value());
                    EXPECT_EQ(reader.lines_read(), lines.size());
                }
                EXPECT_EQ(lines, expected);
            }
        }
    }
}

TEST(StreamedLines, ALineOverTheLimitIsRefusedWithoutReadingOn) {
    const std::string bytes = "a\r\n" + std::string(32767, 'x') + std::string(3, '\0') + "\r\n" +
                              std::string(32768, 'y') + "\r\nz\r\n";
    InputFile file = InputFile::of_bytes(bytes, "/tmp/long.txt");
    LineReader reader(file, LineEnd::CarriageReturn);
    EXPECT_EQ(reader.read_line().value(), "a");
    EXPECT_EQ(reader.read_line().value().size(), 32767u);
    Result<std::string> line = reader.read_line();
    ASSERT_FALSE(line.ok());
    EXPECT_EQ(line.error().number, ERR_LINE_TOO_LONG);
    EXPECT_EQ(line.error().path, "/tmp/long.txt");
    EXPECT_EQ(reader.lines_read(), 2u);

    InputFile small = InputFile::of_bytes("abcd\nabcde\n");
    LineReader limited(small, LineEnd::LineFeed, 4);
    EXPECT_EQ(limited.read_line().value(), "abcd");
    EXPECT_EQ(limited.read_line().error().number, ERR_LINE_TOO_LONG);

    InputFile empty = InputFile::of_bytes("");
    LineReader none(empty, LineEnd::CarriageReturn);
    EXPECT_EQ(none.read_line().error().number, ERR_READ_PAST_END);
}

TEST(StreamedLines, AnyCrMakesCrTheLineEnd) {
    const struct {
        const char* name;
        std::string bytes;
        LineEnd end;
    } cases[] = {
        {"no CR", "a\nb\n", LineEnd::LineFeed},
        {"empty", "", LineEnd::LineFeed},
        {"a CR far behind", std::string(300000, '\n') + "\r", LineEnd::CarriageReturn},
        {"CR LF", "a\r\n", LineEnd::CarriageReturn},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        InputFile file = InputFile::of_bytes(c.bytes);
        EXPECT_EQ(line_end_of(file).value(), c.end);
        // The first pass leaves the file at its start.
        LineReader reader(file, c.end);
        EXPECT_EQ(reader.at_end().value(), c.bytes.empty());
    }
}

TEST(InputFiles, ReadNoMoreThanTheSizeAtOpenAndOnlyRegularFiles) {
    testing::TempDir tmp;
    const std::string path = tmp.path("grows.txt");
    testing::TempDir::write(path, "a\r\nb\r\n");
    InputFile file = InputFile::open(path).value();
    std::ofstream(path, std::ios::binary | std::ios::app) << "c\r\n";
    LineReader reader(file, LineEnd::CarriageReturn);
    EXPECT_EQ(reader.read_line().value(), "a");
    EXPECT_EQ(reader.read_line().value(), "b");
    EXPECT_TRUE(reader.at_end().value());
    ASSERT_FALSE(file.rewind());
    char first = 0;
    EXPECT_EQ(file.read(&first, 1).value(), 1u);
    EXPECT_EQ(first, 'a');

    ASSERT_EQ(::mkfifo(tmp.path("pipe").c_str(), 0600), 0);
    const struct {
        const char* name;
        std::string path;
        int number;
    } refused[] = {
        {"missing", tmp.path("none.txt"), ERR_NOT_FOUND},
        {"a folder", tmp.folder(), ERR_ACCESS_DENIED},
        {"a named pipe", tmp.path("pipe"), ERR_ACCESS_DENIED},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.name);
        Result<InputFile> opened = InputFile::open(c.path);
        ASSERT_FALSE(opened.ok());
        EXPECT_EQ(opened.error().number, c.number);
    }
}

TEST(LineFields, SplitOneLineAsTheFieldReaderDoes) {
    const struct {
        const char* name;
        std::string line;
        std::size_t most;
        Lines fields;
    } cases[] = {
        {"one", "1612310043", 5, {"1612310043"}},
        {"two", "1612310043,1612310034", 5, {"1612310043", "1612310034"}},
        {"a colon separates", "a:b", 5, {"a", "b"}},
        {"a trailing comma", "a,", 5, {"a", ""}},
        {"blanks skipped in front", "  a, b", 5, {"a", "b"}},
        {"quotes keep separators", "\"a,b:c\",d", 5, {"a,b:c", "d"}},
        {"a Ctrl-Z at the end is text", "AB\x1A", 5, {"AB\x1A"}},
        {"no more than asked", "a,b,c,d", 2, {"a", "b"}},
        {"an empty line has none", "", 5, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(line_fields(c.line, c.most), c.fields);
    }
}

}  // namespace
}  // namespace scanfee::rt
