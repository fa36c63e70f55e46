#include "runtime/open_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace scanfee::rt {
namespace {

Status refusal_of(const struct stat& info, const std::string& path) {
    if (S_ISDIR(info.st_mode)) return FileError{ERR_ACCESS_DENIED, path, "is a folder", FileFault::IsAFolder};
    if (!S_ISREG(info.st_mode))
        return FileError{ERR_ACCESS_DENIED, path, "not a regular file", FileFault::NotARegularFile};
    return std::nullopt;
}

}  // namespace

Result<int> open_regular_file(const std::string& path, int flags, unsigned mode, bool follow) {
    struct stat info {};
    const int looked = follow ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (looked == 0) {
        if (!follow && S_ISLNK(info.st_mode))
            return FileError{ERR_ACCESS_DENIED, path, "a symbolic link", FileFault::NotARegularFile};
        if (Status refused = refusal_of(info, path)) return *refused;
    } else if (errno != ENOENT || !(flags & O_CREAT)) {
        return error_from_errno(errno, path, "stat");
    }
    int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW),
                    static_cast<mode_t>(mode));
    if (fd < 0) return error_from_errno(errno, path, "open");
    if (::fstat(fd, &info) != 0) {
        const int err = errno;
        ::close(fd);
        return error_from_errno(err, path, "stat");
    }
    if (Status refused = refusal_of(info, path)) {
        ::close(fd);
        return *refused;
    }
    const int status = ::fcntl(fd, F_GETFL);
    if (status != -1) ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK);
    return fd;
}

}  // namespace scanfee::rt
