#pragma once
// A file read front to back in pieces, so that a reader of outside input
// needs memory for what it keeps and never for the size of the file. The
// same reading works on bytes already in memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <ctime>

#include "runtime/file_error.h"

namespace scanfee::rt {

class InputFile {
public:
    // A regular file, opened for reading (a pipe, a device or a folder is
    // refused at once); its size is taken now, and no more than that is ever
    // read, however the file grows meanwhile. A file that shrinks while it
    // is read is a failure of the read.
    static Result<InputFile> open(const std::string& path);
    // Bytes the caller keeps alive while they are read.
    static InputFile of_bytes(std::string_view bytes, std::string path = {});

    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    std::uint64_t size() const { return size_; }
    const std::string& path() const { return path_; }

    // Up to `n` bytes from the read position into `into`; 0 at the end.
    Result<std::size_t> read(char* into, std::size_t n);
    // Back to the first byte, for a second pass.
    Status rewind();
    // A failure when the file's size or time of change is no longer what it
    // was at open: it was written to while it was read, and what was read
    // may be neither the old file nor the new one.
    Status unchanged() const;

private:
    InputFile(int fd, std::uint64_t size, std::string path);

    int fd_ = -1;               // the open file, or -1 for bytes in memory
    std::string_view memory_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
    timespec modified_{};
    std::string path_;
};

}  // namespace scanfee::rt
