#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <fcntl.h>

#include "runtime/input_file.h"
#include "runtime/open_file.h"
#include "runtime/sjis.h"
#include "runtime/text_file.h"

namespace scanfee::rt {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "scanfee-text-file-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string contents(const std::string& file) {
        std::stringstream s;
        s << std::ifstream(file, std::ios::binary).rdbuf();
        return s.str();
    }
    static void put(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    size_t entries() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

TEST_F(TextFileTest, EachWriteIsOneLineOfItsPiecesEndedByCrLf) {
    TextFileWriter writer(path("out.txt"));
    writer.write("A");
    writer.write("B");
    ASSERT_FALSE(writer.commit());
    EXPECT_EQ(contents(path("out.txt")), "A\r\nB\r\n");

    const std::string long_piece(40000, 'x');  // never wrapped
    TextFileWriter pieces(path("pieces.txt"));
    pieces.write(to_sjis("割引券:"), std::string("0"), " ");
    pieces.write();
    pieces.write(long_piece);
    ASSERT_FALSE(pieces.commit());
    EXPECT_EQ(contents(path("pieces.txt")), to_sjis("割引券:") + "0 \r\n\r\n" + long_piece + "\r\n");
}

TEST_F(TextFileTest, CreateNewRefusesAnExistingFileAndLeavesIt) {
    put(path("old.txt"), "old");
    TextFileWriter writer(path("old.txt"));
    writer.write("new");
    Status status = writer.commit();
    ASSERT_TRUE(status);
    EXPECT_EQ(status->number, ERR_ALREADY_EXISTS);
    EXPECT_EQ(status->path, path("old.txt"));
    EXPECT_EQ(contents(path("old.txt")), "old");
    EXPECT_EQ(entries(), 1u);  // no temporary file left behind
}

TEST_F(TextFileTest, ReplaceSwapsTheWholeFileAndKeepsItsPermissions) {
    put(path("order.SAV"), "a much longer old content\r\n");
    ::chmod(path("order.SAV").c_str(), 0640);
    TextFileWriter writer(path("order.SAV"), WriteMode::Replace);
    writer.write("new");
    ASSERT_FALSE(writer.commit());
    EXPECT_EQ(contents(path("order.SAV")), "new\r\n");
    EXPECT_EQ(fs::status(path("order.SAV")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(TextFileTest, WriteFailuresComeBackAsValues) {
    const struct {
        std::string target;
        WriteMode mode;
        int number;
    } cases[] = {
        {path("missing/out.txt"), WriteMode::CreateNew, ERR_NOT_FOUND},
        {dir_.string(), WriteMode::Replace, ERR_ACCESS_DENIED},
        {path(std::string(300, 'n')), WriteMode::CreateNew, ERR_BAD_FILE_NAME},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        Status status = write_file_atomically(c.target, "x", c.mode);
        ASSERT_TRUE(status);
        EXPECT_EQ(status->number, c.number);
    }
    EXPECT_EQ(entries(), 0u);
}

TEST_F(TextFileTest, ReadOnlyFolderIsAccessDenied) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
    fs::create_directory(path("locked"));
    fs::permissions(path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    Status status = write_file_atomically(path("locked/out.txt"), "x", WriteMode::CreateNew);
    fs::permissions(path("locked"), fs::perms::owner_all);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->number, ERR_ACCESS_DENIED);
}

TEST_F(TextFileTest, OrFatalGivesTheReportAtTheCallersPlace) {
    put(path("old.txt"), "old");
    try {
        or_fatal(TextFileWriter(path("old.txt")).commit());
        FAIL() << "no fatal error";
    } catch (const FatalError& e) {
        EXPECT_EQ(e.number(), ERR_ALREADY_EXISTS);
        EXPECT_EQ(e.module(), "text_file_test.cpp");
    }
    EXPECT_THROW(TextFileReader::open(path("none.txt")).value(), FatalError);
}

TEST_F(TextFileTest, OpenFailuresComeBackAsValues) {
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    put(path("big.txt"), std::string(101, 'x'));
    const struct {
        const char* name;
        int number;
        FileFault fault;
    } cases[] = {
        {"none.txt", ERR_NOT_FOUND, FileFault::None},
        {"big.txt/x.txt", ERR_NOT_FOUND, FileFault::NotAFolder},
        {"folder", ERR_ACCESS_DENIED, FileFault::IsAFolder},
        {"pipe", ERR_ACCESS_DENIED, FileFault::NotARegularFile},  // must not hang
        {"/dev/zero", ERR_ACCESS_DENIED, FileFault::NotARegularFile},
        {"big.txt", ERR_OUT_OF_MEMORY, FileFault::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string at = c.name[0] == '/' ? c.name : path(c.name);
        Result<TextFileReader> reader = TextFileReader::open(at, 100);
        ASSERT_FALSE(reader.ok());
        EXPECT_EQ(reader.error().number, c.number);
        EXPECT_EQ(reader.error().fault, c.fault);
        // The streamed reader and every writer tell the same.
        Result<InputFile> input = InputFile::open(at);
        if (c.number != ERR_OUT_OF_MEMORY) {
            ASSERT_FALSE(input.ok());
            EXPECT_EQ(input.error().fault, c.fault);
        }
        Result<int> lock = open_regular_file(at, O_RDWR | O_CREAT, 0600, false);
        if (c.number != ERR_OUT_OF_MEMORY && c.number != ERR_NOT_FOUND) {
            ASSERT_FALSE(lock.ok());
            EXPECT_EQ(lock.error().fault, c.fault);
        } else if (lock) {
            ::close(lock.value());
        }
    }
    EXPECT_EQ(TextFileReader::open(path("big.txt"), 101).value().read_line().value().size(), 101u);
    // A pipe as the target of a save is no file to replace, nor a device.
    for (const std::string& target : {path("pipe"), std::string("/dev/null")}) {
        Status saved = write_file_atomically(target, "x", WriteMode::Replace);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->fault, FileFault::NotARegularFile);
    }
    EXPECT_TRUE(fs::is_fifo(path("pipe")));
    // A lock file is never followed through a link, not even a dangling one.
    fs::create_symlink(path("elsewhere"), path("link"));
    Result<int> through = open_regular_file(path("link"), O_RDWR | O_CREAT, 0600, false);
    ASSERT_FALSE(through.ok());
    EXPECT_EQ(through.error().fault, FileFault::NotARegularFile);
    EXPECT_FALSE(fs::exists(path("elsewhere")));
}

// A file that someone writes to while it is read is neither the old file
// nor the new one.
TEST_F(TextFileTest, AFileChangedWhileReadIsAFailure) {
    put(path("order.txt"), std::string(1000, 'x'));
    Result<InputFile> file = InputFile::open(path("order.txt"));
    ASSERT_TRUE(file.ok());
    EXPECT_FALSE(file.value().unchanged());
    char piece[100];
    ASSERT_EQ(file.value().read(piece, sizeof piece).value(), 100u);
    fs::resize_file(path("order.txt"), 150);
    ASSERT_TRUE(file.value().unchanged());
    EXPECT_EQ(file.value().unchanged()->fault, FileFault::ChangedWhileRead);
    ASSERT_EQ(file.value().read(piece, sizeof piece).value(), 50u);
    Result<std::size_t> past = file.value().read(piece, sizeof piece);
    ASSERT_FALSE(past.ok());
    EXPECT_EQ(past.error().fault, FileFault::ChangedWhileRead);
}

TEST_F(TextFileTest, ExistsAndDeleteConcernFilesOnly) {
    put(path("a.txt"), "");
    fs::create_directory(path("folder"));
    EXPECT_TRUE(file_exists(path("a.txt")));
    EXPECT_FALSE(file_exists(path("folder")));
    EXPECT_FALSE(delete_file(path("a.txt")));
    EXPECT_FALSE(file_exists(path("a.txt")));
    EXPECT_EQ(delete_file(path("a.txt"))->number, ERR_NOT_FOUND);
    EXPECT_EQ(delete_file(path("folder"))->number, ERR_ACCESS_DENIED);
    EXPECT_TRUE(fs::is_directory(path("folder")));
}

TEST(LineReader, LineEndsAndSpecialBytes) {
    using Lines = std::vector<std::string>;
    const struct {
        const char* name;
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"cr alone", "a\rb", {"a", "b"}},
        {"lf alone stays in the text", "a\nb\nc\n", {"a\nb\nc\n"}},
        {"lf cr", "a\n\rb", {"a\n", "b"}},
        {"empty lines", "\r\n\r\nx", {"", "", "x"}},
        {"nul dropped", std::string("a\0b\r\n", 5), {"ab"}},
        {"last ctrl-z ends the text", "a\r\n\x1A", {"a"}},
        {"ctrl-z inside stays", "a\x1A" "b", {"a\x1A" "b"}},
        {"only the last ctrl-z ends", "\x1A\x1A", {"\x1A"}},
        {"empty file", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextFileReader reader(c.bytes, "/tmp/x.txt");
        Lines lines;
        while (!reader.at_end()) lines.push_back(reader.read_line().value());
        EXPECT_EQ(lines, c.lines);
        Result<std::string> past = reader.read_line();
        ASSERT_FALSE(past.ok());
        EXPECT_EQ(past.error().number, ERR_READ_PAST_END);
        EXPECT_EQ(past.error().path, "/tmp/x.txt");
    }
}

TEST(LineReader, LinesUpTo32767BytesOnly) {
    TextFileReader fits(std::string(32767, 'x') + std::string(3, '\0') + "\r\nnext");
    EXPECT_EQ(fits.read_line().value().size(), 32767u);
    EXPECT_EQ(fits.read_line().value(), "next");

    TextFileReader too_long(std::string(32768, 'x'));
    Result<std::string> line = too_long.read_line();
    ASSERT_FALSE(line.ok());
    EXPECT_EQ(line.error().number, ERR_LINE_TOO_LONG);
}

TEST(FieldReader, SeparatorsQuotesAndBlanks) {
    using Fields = std::vector<std::string>;
    const struct {
        const char* name;
        std::string bytes;
        Fields fields;
    } cases[] = {
        {"colon separates", "abc:def", {"abc", "def"}},
        {"line end separates", "a,b\r\nc", {"a", "b", "c"}},
        {"quoted keeps separators", "\"a,b:c\",d", {"a,b:c", "d"}},
        {"after the closing quote", "\"ab\" x,d", {"ab", "d"}},
        {"unclosed quote ends at the line", "\"ab\r\nc", {"ab", "c"}},
        {"leading blanks and nuls", std::string("  \0 a b  ,c", 11), {"a b  ", "c"}},
        {"empty fields", ",,x", {"", "", "x"}},
        {"separator at the very end", "a,", {"a", ""}},
        {"trail byte 0x5C", to_sjis("ソ表,能"), {to_sjis("ソ表"), to_sjis("能")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextFileReader reader(c.bytes);
        Fields fields;
        for (Result<std::string> f = reader.read_text_field(); f; f = reader.read_text_field())
            fields.push_back(f.value());
        EXPECT_EQ(fields, c.fields);
    }
}

TEST(FieldReader, NumberFieldsEndAtABlankAfterTheDigits) {
    const struct {
        const char* name;
        std::string bytes;
        std::vector<double> numbers;
    } cases[] = {
        {"blank ends the number", "12 34,5", {12, 34, 5}},
        {"blank before the separator", "12 ,5\r\n6", {12, 5, 6}},
        {"text after the digits", to_sjis(" 12冊,-3"), {12, -3}},
        {"quoted number", "\"4,5\",6", {4, 6}},
        {"not a number", "abc,1", {0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TextFileReader reader(c.bytes);
        std::vector<double> numbers;
        while (!reader.at_end()) numbers.push_back(reader.read_number_field().value());
        EXPECT_EQ(numbers, c.numbers);
    }
}

TEST(FieldReader, EmptyOrTooLargeNumbersFailAndKeepThePosition) {
    TextFileReader reader("1,,99999,x");
    EXPECT_EQ(reader.read_int16_field().value(), 1);
    EXPECT_EQ(reader.read_number_field().error().number, ERR_EMPTY_NUMBER_FIELD);
    EXPECT_EQ(reader.read_text_field().value(), "");
    EXPECT_EQ(reader.read_int16_field().error().number, ERR_OVERFLOW);
    EXPECT_EQ(reader.read_text_field().value(), "99999");
}

// Whatever the bytes, every read either fails or moves forward, so a reader
// loop always ends; a fuzzer target drives the same code.
TEST(FieldReader, AnyBytesAreReadToTheEnd) {
    std::mt19937 random(7);
    const char alphabet[] = {',', ':', '"', ' ', '\r', '\n', '\0', '\x1A', '1', 'a', '\x82', '-'};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        for (int n = random() % 40; n > 0; --n) bytes += alphabet[random() % sizeof alphabet];
        TextFileReader reader(bytes);
        for (int reads = 0; !reader.at_end(); ++reads) {
            bool ok = (round + reads) % 2 ? reader.read_line().ok()
                                          : reader.read_number_field().ok() ||
                                                reader.read_text_field().ok();
            ASSERT_TRUE(ok && reads < 100) << testing::PrintToString(bytes);
        }
    }
}

TEST(SplitPath, FolderKeepsItsSlashAndExtensionItsDot) {
    const struct {
        const char* path;
        const char* folder;
        const char* name;
        const char* extension;
    } cases[] = {
        {"/home/shop/order.SAV", "/home/shop/", "order", ".SAV"},
        {"/home/shop/order", "/home/shop/", "order", ""},
        {"order.txt", "", "order", ".txt"},
        {"/a.b/c", "/a.b/", "c", ""},
        {"/x/archive.tar.gz", "/x/", "archive.tar", ".gz"},
        {"/x/.SAV", "/x/", "", ".SAV"},
        {"/家/見積書.TXT", "/家/", "見積書", ".TXT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        PathParts parts = split_path(c.path);
        EXPECT_EQ(parts.drive + parts.folder, c.folder);
        EXPECT_EQ(parts.name, c.name);
        EXPECT_EQ(parts.extension, c.extension);
    }
}

}  // namespace
}  // namespace scanfee::rt
