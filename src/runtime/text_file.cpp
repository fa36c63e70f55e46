#include "runtime/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "runtime/open_file.h"
#include "runtime/stale_temporaries.h"

namespace scanfee::rt {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // close() reports late write failures of some file systems; keep its result.
    int close() {
        int r = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return r;
    }
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

std::string folder_of(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// A temporary name that no one else uses: O_EXCL decides.
Result<std::string> create_temporary(const std::string& folder, const std::string& target,
                                     Descriptor& fd) {
    // Saves run on more than one thread (the recovery copy has its own).
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = folder + "/" + temporary_name(++counter);
        int raw = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw >= 0) {
            fd.reset(raw);
            return name;
        }
        if (errno != EEXIST) return error_from_errno(errno, target, "create " + name);
    }
    return FileError{ERR_SYSTEM, target, "no free temporary name in " + folder};
}

// Best effort: the rename is done and the file complete; a folder that cannot
// be synced (some file systems refuse) is no reason to report a failure.
void sync_folder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

// Gives the temporary file the final name only if that name is still free.
// Not every file system knows RENAME_NOREPLACE (nor every C library: the
// browser's has no renameat2) or hard links; the last fallback claims the
// name with O_EXCL and renames over the empty claim.
int rename_no_replace(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return errno;
#endif
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK) return errno;
    int claim = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (claim < 0) return errno;
    ::close(claim);
    if (::rename(from.c_str(), to.c_str()) == 0) return 0;
    int err = errno;
    ::unlink(to.c_str());
    return err;
}

Status write_file_atomically(const std::string& path, std::string_view bytes, WriteMode mode) {
    struct stat existing {};
    bool exists = ::stat(path.c_str(), &existing) == 0;
    // A pipe or a device under the name is no file to replace.
    if (exists && S_ISDIR(existing.st_mode))
        return FileError{ERR_ACCESS_DENIED, path, "is a folder", FileFault::IsAFolder};
    if (exists && !S_ISREG(existing.st_mode))
        return FileError{ERR_ACCESS_DENIED, path, "not a regular file", FileFault::NotARegularFile};
    if (exists && mode == WriteMode::CreateNew)
        return FileError{ERR_ALREADY_EXISTS, path, "exists already"};

    std::string folder = folder_of(path);
    // What saves cut short left here goes first; the folder is noted so that
    // the next start can clean it even if no save comes here again.
    remove_stale_temporaries(folder);
    note_save_folder(folder);
    Descriptor fd;
    Result<std::string> temporary = create_temporary(folder, path, fd);
    if (!temporary) return temporary.error();
    const std::string& temp = temporary.value();

    auto fail = [&](int err, const char* what) -> Status {
        fd.reset();
        ::unlink(temp.c_str());
        return error_from_errno(err, path, what);
    };
    if (!write_all(fd.get(), bytes)) return fail(errno, "write");
    if (exists) ::fchmod(fd.get(), existing.st_mode & 07777);
    if (::fsync(fd.get()) != 0) return fail(errno, "flush");
    if (fd.close() != 0) return fail(errno, "close");

    int err = 0;
    if (mode == WriteMode::CreateNew) {
        err = rename_no_replace(temp, path);
    } else if (::rename(temp.c_str(), path.c_str()) != 0) {
        err = errno;
    }
    if (err != 0) return fail(err, "rename");
    sync_folder(folder);
    return std::nullopt;
}

Result<std::string> read_file_bytes(const std::string& path, std::size_t max_bytes) {
    Result<int> opened = open_regular_file(path, O_RDONLY);
    if (!opened) return opened.error();
    Descriptor fd(opened.value());
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return error_from_errno(errno, path, "stat");
    if (static_cast<std::size_t>(info.st_size) > max_bytes)
        return FileError{ERR_OUT_OF_MEMORY, path, "larger than " + std::to_string(max_bytes) + " bytes"};

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return error_from_errno(errno, path, "read");
        }
        if (n == 0) break;
        // The file may grow while it is read; the bound holds all the same.
        if (bytes.size() + static_cast<std::size_t>(n) > max_bytes)
            return FileError{ERR_OUT_OF_MEMORY, path, "larger than " + std::to_string(max_bytes) + " bytes"};
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    struct stat after {};
    if (::fstat(fd.get(), &after) != 0) return error_from_errno(errno, path, "stat");
    if (bytes.size() != static_cast<std::size_t>(info.st_size) || after.st_size != info.st_size ||
        after.st_mtim.tv_sec != info.st_mtim.tv_sec || after.st_mtim.tv_nsec != info.st_mtim.tv_nsec)
        return FileError{ERR_ACCESS_DENIED, path, "changed while read", FileFault::ChangedWhileRead};
    return bytes;
}

Result<TextFileReader> TextFileReader::open(const std::string& path, std::size_t max_bytes) {
    Result<std::string> bytes = read_file_bytes(path, max_bytes);
    if (!bytes) return bytes.error();
    return TextFileReader(std::move(bytes).value(), path);
}

}  // namespace scanfee::rt
