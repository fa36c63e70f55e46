// Reading an order file or a title list takes memory for what it keeps and
// time in proportion to what it must look at, whatever the file holds.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "files/file_steps.h"
#include "files/order_file_format.h"
#include "files/title_import.h"
#include "order_file_fixture.h"

namespace scanfee::testing {
namespace {

constexpr long MIB = 1024 * 1024;

// An unoptimised build, or one whose sanitizers check every byte read,
// takes ten times as long.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCANFEE_SLOW_BUILD 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
#define SCANFEE_SLOW_BUILD 1
#endif
#if defined(SCANFEE_SLOW_BUILD)
constexpr double SLOWER = 10;
#else
constexpr double SLOWER = 1;
#endif
// A refusal takes well under a second; a pass over the largest file a
// reader takes (20 MB of an order file, 64 MiB of a title list) at most two
// on a busy machine.
constexpr double REFUSAL_SECONDS = 1 * SLOWER;
constexpr double PASS_SECONDS = 2 * SLOWER;

// The most memory the process has held since the last reset_peak(), in
// bytes (VmHWM, which writing 5 to clear_refs sets back to what it holds).
long status_value(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::strlen(key)) * 1024;
    return 0;
}
bool reset_peak() { return bool(std::ofstream("/proc/self/clear_refs") << "5"); }

// `head` and then `pattern` repeated to `total` bytes, written a piece at a
// time: the test itself must not hold the file in memory.
void write_file(const std::string& path, const std::string& head, const std::string& pattern,
                long total) {
    std::string piece;
    while (piece.size() < size_t(MIB)) piece += pattern;
    std::ofstream out(path, std::ios::binary);
    out << head;
    long written = long(head.size());
    while (written < total) {
        const long n = std::min<long>(long(piece.size()), total - written);
        out.write(piece.data(), n);
        written += n;
    }
}

class BoundedReading : public OrderFile {
protected:
    // Runs `read` and checks that the memory it took and its time stay small.
    template <class Read>
    void bounded(const char* what, double most_seconds, Read read) {
        const long before = status_value("VmRSS:");
        const bool peak_known = reset_peak();
        const auto started = std::chrono::steady_clock::now();
        read();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const long grown = status_value("VmHWM:") - before;
        std::printf("%s: %.3f s, peak %.2f MB above the start\n", what, seconds, double(grown) / MIB);
        EXPECT_LT(seconds, most_seconds) << what;
        if (peak_known) {
            EXPECT_LT(grown, 4 * MIB) << what;
        }
    }
};

// A file of the pattern repeated.
struct Huge {
    const char* name;
    std::string pattern;
};

TEST_F(BoundedReading, HugeOrderFilesAreRefusedAtOnce) {
    const Huge cases[] = {
        {"64 MB of CR", "\r"},
        {"32 M lines of CR LF", "\r\n"},
    };
    start(EDITION_SHOP);
    enter_order();
    const std::string before = snapshot();
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        const std::string path = tmp.path("huge.SAV");
        write_file(path, "", k.pattern, 64 * MIB);
        dialogs.seen.clear();
        bounded(k.name, REFUSAL_SECONDS, [&] { load(path); });
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(dialogs.seen[1].text, files::bad_content_text(path, files::too_large_reason(
                                                                          files::ORDER_FILE_MAX_BYTES)));
        EXPECT_EQ(snapshot(), before);
        std::remove(path.c_str());
    }
}

// Just within the limit, a file is read to its end line by line.
TEST_F(BoundedReading, AnOrderFileIsReadALineAtATime) {
    start(EDITION_SHOP);
    const std::string path = tmp.path("blank.SAV");
    const std::string head = "割引券:0\r\n013,0000,156,0,ABC\r\n"_sj;
    for (const char* blank : {"\r\n", "\r"}) {
        write_file(path, head, blank, long(files::ORDER_FILE_MAX_BYTES) - 1);
        dialogs.seen.clear();
        bounded("20 MB of blank lines after a title", PASS_SECONDS, [&] { load(path); });
        EXPECT_EQ(dialogs.seen.size(), 1u);
        EXPECT_EQ(s().TITLECOUNT(0), 1);
    }

    write_file(path, head, "012,0000,156,0,X\r\n\r\n", 16 * MIB);
    dialogs.seen.clear();
    bounded("a blank line among 16 MB of titles", REFUSAL_SECONDS, [&] { load(path); });
    ASSERT_EQ(dialogs.seen.size(), 2u);
    EXPECT_EQ(dialogs.seen[1].text, files::bad_content_text(path, "4行目：タイトルの行に５つの項目がありません。"_sj));
}

TEST_F(BoundedReading, HugeTitleListsReadOnlyTheLinesThatFit) {
    const Huge cases[] = {
        {"64 MB of CR", "\r"},
        {"32 M lines of CR LF", "\r\n"},
        {"64 MB of LF lines", "ＡＢＣ\n"},
        {"64 MB of UTF-8 lines", "漢字の本,1\r\n"},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        start(EDITION_CUSTOMER);
        click(c().BUTTON5);
        const std::string path = tmp.path("books.csv");
        write_file(path, "", k.pattern == "ＡＢＣ\n" ? rt::to_sjis(k.pattern) : k.pattern,
                   long(files::IMPORT_FILE_MAX_BYTES));
        dialogs.seen.clear();
        dialogs.replies.push_back(path);
        bounded(k.name, PASS_SECONDS, [&] { click(c().BUTTON10); });
        // Only the limit notice: the lines that fit are read, the rest is not.
        ASSERT_EQ(dialogs.seen.size(), 2u);
        EXPECT_EQ(dialogs.seen[1].kind, "msgbox");
        EXPECT_EQ(dialogs.seen[1].text, "コミックは２０冊までです。"_sj);
        EXPECT_TRUE(c().FORM4->visible());
        std::remove(path.c_str());
    }
}

}  // namespace
}  // namespace scanfee::testing
