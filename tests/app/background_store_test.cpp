#include "app/background_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>

namespace scanfee::app {
namespace {

// A store as slow as a disk that syncs, recording what reached it.
class SlowStore : public files::RecoveryStore {
public:
    struct Log {
        std::mutex mutex;
        std::vector<std::string> writes;
        int removes = 0;
        bool fail_next = false;
    };
    explicit SlowStore(Log& log) : log_(log) {}
    std::string where() const override { return "slow"; }
    rt::Result<std::optional<std::string>> read() override { return std::optional<std::string>(); }
    rt::Status write(std::string_view bytes) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::lock_guard lock(log_.mutex);
        if (log_.fail_next) {
            log_.fail_next = false;
            return rt::FileError{rt::ERR_DISK_FULL, "slow", "full"};
        }
        log_.writes.emplace_back(bytes);
        return std::nullopt;
    }
    rt::Status remove() override {
        std::lock_guard lock(log_.mutex);
        ++log_.removes;
        log_.writes.push_back("(removed)");
        return std::nullopt;
    }
    rt::Result<std::string> set_aside() override { return std::string("aside"); }

private:
    Log& log_;
};

TEST(BackgroundStore, WritesReturnAtOnceAndTheNewestReachesTheDiskLast) {
    SlowStore::Log log;
    {
        auto store = in_background(std::make_unique<SlowStore>(log));
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 50; ++i) EXPECT_FALSE(store->write("copy " + std::to_string(i)));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    }  // gone: the last copy is on the disk
    ASSERT_FALSE(log.writes.empty());
    EXPECT_LT(log.writes.size(), 50u);  // the copies in between were folded
    EXPECT_EQ(log.writes.back(), "copy 49");
}

TEST(BackgroundStore, RemovingWaitsForTheWritesBeforeIt) {
    SlowStore::Log log;
    auto store = in_background(std::make_unique<SlowStore>(log));
    store->write("one");
    EXPECT_FALSE(store->remove());
    EXPECT_EQ(log.writes.back(), "(removed)");
    EXPECT_EQ(log.removes, 1);
}

TEST(BackgroundStore, AFailedWriteIsReportedByTheNextCall) {
    SlowStore::Log log;
    log.fail_next = true;
    auto store = in_background(std::make_unique<SlowStore>(log));
    EXPECT_FALSE(store->write("one"));
    rt::Status failed = store->remove();
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->number, rt::ERR_DISK_FULL);
}

}  // namespace
}  // namespace scanfee::app
