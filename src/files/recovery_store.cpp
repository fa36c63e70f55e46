#include "files/recovery.h"

#include "core/order_state.h"
#include "files/order_file_format.h"
#include "runtime/paths.h"
#include "runtime/state_folder.h"
#include "runtime/text_file.h"

namespace scanfee::files {
namespace {

// How many runs of one edition may keep a copy at the same time.
constexpr int STORE_SLOTS = 16;

class FolderStore : public RecoveryStore {
public:
    FolderStore(std::string folder, std::string stem, std::unique_ptr<rt::FileLock> lock)
        : folder_(std::move(folder)), stem_(std::move(stem)), lock_(std::move(lock)) {}

    std::string where() const override { return path(); }

    rt::Result<std::optional<std::string>> read() override {
        // No copy of ours is larger than an order file may be.
        rt::Result<std::string> bytes = rt::read_file_bytes(path(), ORDER_FILE_MAX_BYTES);
        if (bytes) return std::optional<std::string>(std::move(bytes).value());
        if (bytes.error().number == rt::ERR_NOT_FOUND && !rt::file_exists(path()))
            return std::optional<std::string>();
        return bytes.error();
    }

    rt::Status write(std::string_view bytes) override {
        return rt::write_file_atomically(path(), bytes, rt::WriteMode::Replace);
    }

    rt::Status remove() override {
        rt::Status failed = rt::delete_file(path());
        if (failed && failed->number == rt::ERR_NOT_FOUND) return std::nullopt;
        return failed;
    }

    rt::Result<std::string> set_aside() override {
        for (int n = 1; n < 1000; ++n) {
            std::string to = folder_ + stem_ + "-damaged-" + std::to_string(n) + ".SAV";
            rt::Status failed = rt::move_file(path(), to);
            if (!failed) return to;
            if (failed->number != rt::ERR_ALREADY_EXISTS) return *failed;
        }
        return rt::FileError{rt::ERR_ALREADY_EXISTS, path(), "no free name to set the copy aside"};
    }

private:
    std::string path() const { return folder_ + stem_ + ".SAV"; }

    std::string folder_;
    std::string stem_;
    std::unique_ptr<rt::FileLock> lock_;
};

}  // namespace

rt::Result<std::unique_ptr<RecoveryStore>> folder_recovery_store(const std::string& folder,
                                                                 rt::int16 edition) {
    std::string dir = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    if (dir.empty()) return rt::FileError{rt::ERR_NOT_FOUND, folder, "no state folder"};
    if (rt::Status failed = rt::make_folders(dir)) return *failed;
    const std::string edition_name = edition == EDITION_SHOP ? "shop" : "customer";
    for (int n = 1; n <= STORE_SLOTS; ++n) {
        std::string stem = n == 1 ? edition_name : edition_name + "-" + std::to_string(n);
        auto lock = rt::FileLock::try_take(dir + stem + ".lock");
        if (!lock) return lock.error();
        if (lock.value())
            return std::unique_ptr<RecoveryStore>(
                std::make_unique<FolderStore>(dir, stem, std::move(lock).value()));
    }
    return rt::FileError{rt::ERR_FILE_IN_USE, dir, "every copy is held by another run"};
}

}  // namespace scanfee::files
