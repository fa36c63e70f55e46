#include "runtime/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "runtime/open_file.h"

namespace scanfee::rt {
namespace {

FileError changed_failure(const std::string& path) {
    return FileError{ERR_ACCESS_DENIED, path, "changed while read", FileFault::ChangedWhileRead};
}

}  // namespace

InputFile::InputFile(int fd, std::uint64_t size, std::string path)
    : fd_(fd), size_(size), path_(std::move(path)) {}

Result<InputFile> InputFile::open(const std::string& path) {
    Result<int> fd = open_regular_file(path, O_RDONLY);
    if (!fd) return fd.error();
    InputFile file(fd.value(), 0, path);
    struct stat info {};
    if (::fstat(fd.value(), &info) != 0) return error_from_errno(errno, path, "stat");
    file.size_ = static_cast<std::uint64_t>(info.st_size);
    file.modified_ = info.st_mtim;
    return file;
}

InputFile InputFile::of_bytes(std::string_view bytes, std::string path) {
    InputFile file(-1, bytes.size(), std::move(path));
    file.memory_ = bytes;
    return file;
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      memory_(other.memory_),
      size_(other.size_),
      position_(other.position_),
      modified_(other.modified_),
      path_(std::move(other.path_)) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        memory_ = other.memory_;
        size_ = other.size_;
        position_ = other.position_;
        modified_ = other.modified_;
        path_ = std::move(other.path_);
    }
    return *this;
}

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

Result<std::size_t> InputFile::read(char* into, std::size_t n) {
    const std::uint64_t left = size_ - std::min(position_, size_);
    n = static_cast<std::size_t>(std::min<std::uint64_t>(n, left));
    if (n == 0) return std::size_t{0};
    if (fd_ < 0) {
        std::memcpy(into, memory_.data() + position_, n);
        position_ += n;
        return n;
    }
    for (;;) {
        ssize_t got = ::read(fd_, into, n);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return error_from_errno(errno, path_, "read");
        if (got == 0) return changed_failure(path_);
        position_ += static_cast<std::uint64_t>(got);
        return static_cast<std::size_t>(got);
    }
}

Status InputFile::unchanged() const {
    if (fd_ < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return error_from_errno(errno, path_, "stat");
    if (static_cast<std::uint64_t>(info.st_size) != size_ || info.st_mtim.tv_sec != modified_.tv_sec ||
        info.st_mtim.tv_nsec != modified_.tv_nsec)
        return changed_failure(path_);
    return std::nullopt;
}

Status InputFile::rewind() {
    if (fd_ >= 0 && ::lseek(fd_, 0, SEEK_SET) != 0) return error_from_errno(errno, path_, "seek");
    position_ = 0;
    return std::nullopt;
}

}  // namespace scanfee::rt
