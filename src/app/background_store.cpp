#include "app/background_store.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace scanfee::app {
namespace {

class BackgroundStore : public files::RecoveryStore {
public:
    explicit BackgroundStore(std::unique_ptr<files::RecoveryStore> store)
        : store_(std::move(store)), writer_([this] { write_loop(); }) {}

    ~BackgroundStore() override {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changed_.notify_all();
        writer_.join();
    }

    std::string where() const override { return store_->where(); }

    rt::Result<std::optional<std::string>> read() override {
        wait_until_written();
        return store_->read();
    }

    rt::Status write(std::string_view bytes) override {
        std::lock_guard lock(mutex_);
        pending_ = std::string(bytes);
        changed_.notify_all();
        return take_failure();
    }

    rt::Status remove() override {
        if (rt::Status failed = settle()) return failed;
        return store_->remove();
    }

    rt::Result<std::string> set_aside() override {
        wait_until_written();
        return store_->set_aside();
    }

private:
    // Waits until every write handed over is on the disk; a failure stays
    // for the next write or removal to report.
    void wait_until_written() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !pending_ && !writing_; });
    }

    rt::Status settle() {
        wait_until_written();
        std::lock_guard lock(mutex_);
        return take_failure();
    }

    rt::Status take_failure() {
        rt::Status failed = std::move(failure_);
        failure_.reset();
        return failed;
    }

    void write_loop() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return pending_ || stopping_; });
            if (!pending_) return;
            std::string bytes = std::move(*pending_);
            pending_.reset();
            writing_ = true;
            lock.unlock();
            rt::Status failed = store_->write(bytes);
            lock.lock();
            writing_ = false;
            if (failed) failure_ = std::move(failed);
            changed_.notify_all();
        }
    }

    std::unique_ptr<files::RecoveryStore> store_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::string> pending_;
    bool writing_ = false;
    bool stopping_ = false;
    rt::Status failure_;
    std::thread writer_;  // last: it starts with every member above in place
};

}  // namespace

std::unique_ptr<files::RecoveryStore> in_background(std::unique_ptr<files::RecoveryStore> store) {
    return std::make_unique<BackgroundStore>(std::move(store));
}

}  // namespace scanfee::app
