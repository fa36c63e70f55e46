#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "runtime/stale_temporaries.h"
#include "runtime/text_file.h"
#include "support/temp_dir.h"

namespace scanfee::rt {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// A process id that ran and no longer runs.
long gone_process() {
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::string named(long pid, int n) {
    return ".scanfee-" + std::to_string(pid) + "-" + std::to_string(n) + ".tmp";
}

std::vector<std::string> temporaries_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        long pid = 0;
        if (is_temporary_name(entry.path().filename().string(), pid))
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(StaleTemporaries, OnlyOurNamingIsOurs) {
    const struct {
        std::string name;
        bool ours;
        long pid;
    } cases[] = {
        {".scanfee-1234-5.tmp", true, 1234},
        {temporary_name(7), true, long(::getpid())},
        {".scanfee-1234.tmp", false, 0},
        {".scanfee--5.tmp", false, 0},
        {".scanfee-12a4-5.tmp", false, 0},
        {".scanfee-0-5.tmp", false, 0},
        {"scanfee-1234-5.tmp", false, 0},
        {".scanfee-1234-5.tmp.SAV", false, 0},
        {".scanfee-1234567890123-5.tmp", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        long pid = 0;
        EXPECT_EQ(is_temporary_name(c.name, pid), c.ours);
        EXPECT_EQ(c.ours ? pid : 0, c.pid);
    }
}

TEST(StaleTemporaries, ASaveRemovesThoseWhoseProcessIsGone) {
    TempDir tmp;
    const long gone = gone_process();
    for (const std::string& name : {named(gone, 3), named(::getpid(), 999999), named(1, 2),
                                    std::string(".scanfee-x.tmp"), std::string("notes.tmp")})
        TempDir::write(tmp.path(name), "left");
    ASSERT_FALSE(write_file_atomically(tmp.path("order.SAV"), "new", WriteMode::Replace));
    EXPECT_EQ(TempDir::read(tmp.path("order.SAV")), "new");
    // Process 1 and this process still run: their files may be saves under
    // way (this process saves on more than one thread).
    EXPECT_EQ(temporaries_in(tmp.dir()),
              (std::vector<std::string>{named(1, 2), named(::getpid(), 999999)}));
    EXPECT_TRUE(fs::exists(tmp.path(".scanfee-x.tmp")));
    EXPECT_TRUE(fs::exists(tmp.path("notes.tmp")));
}

// Saves killed at any moment leave the file whole, old or new; what they
// leave behind is gone after the next save into the folder.
TEST(StaleTemporaries, SavesKilledMidwayLeaveNothingAfterTheNextSave) {
    TempDir tmp;
    const std::string target = tmp.path("order.SAV");
    const std::string contents(4 * 1024 * 1024, 'x');
    ASSERT_FALSE(write_file_atomically(target, contents, WriteMode::Replace));
    int cut = 0;
    for (int run = 0; run < 20; ++run) {
        pid_t child = ::fork();
        if (child == 0) {
            for (;;) (void)write_file_atomically(target, contents, WriteMode::Replace);
        }
        ::usleep(useconds_t(1000 + 700 * run));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        EXPECT_EQ(fs::file_size(target), contents.size());
        // Each run's first save removed what the run before left.
        EXPECT_LE(temporaries_in(tmp.dir()).size(), 2u);
        cut += temporaries_in(tmp.dir()).empty() ? 0 : 1;
    }
    std::printf("%d of 20 killed runs left a temporary file\n", cut);
    ASSERT_FALSE(write_file_atomically(target, contents, WriteMode::Replace));
    EXPECT_TRUE(temporaries_in(tmp.dir()).empty());
    EXPECT_EQ(TempDir::read(target), contents);
}

TEST(StaleTemporaries, TheNextStartCleansTheFoldersSavedInto) {
    TempDir tmp;
    fs::create_directory(tmp.path("a"));
    fs::create_directory(tmp.path("b"));
    const std::string journal = tmp.path("state/scanfee/save-folders");
    set_save_journal(journal);
    struct Unset {
        ~Unset() { set_save_journal({}); }
    } unset;

    for (const char* target : {"a/1.SAV", "b/1.SAV", "a/2.SAV"})
        ASSERT_FALSE(write_file_atomically(tmp.path(target), "x", WriteMode::Replace));
    EXPECT_EQ(TempDir::read(journal), tmp.path("a") + "\n" + tmp.path("b") + "\n");

    // A run killed during its saves, and a save under way in another run.
    TempDir::write(tmp.path("a/" + named(gone_process(), 1)), "cut");
    TempDir::write(tmp.path("b/" + named(1, 1)), "busy");
    clean_noted_folders();
    EXPECT_TRUE(temporaries_in(tmp.path("a")).empty());
    EXPECT_EQ(temporaries_in(tmp.path("b")), std::vector<std::string>{named(1, 1)});
    // Only the folder where a save may still be under way stays noted.
    EXPECT_EQ(TempDir::read(journal), tmp.path("b") + "\n");

    // A journal that is not ours starts afresh rather than growing.
    TempDir::write(journal, std::string(100 * 1024, 'j'));
    ASSERT_FALSE(write_file_atomically(tmp.path("a/3.SAV"), "x", WriteMode::Replace));
    EXPECT_EQ(TempDir::read(journal), tmp.path("a") + "\n");
}

}  // namespace
}  // namespace scanfee::rt
