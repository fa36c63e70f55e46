#pragma once
// The user's state folder, where the program keeps what must outlive a run
// (the recovery copy of the order), and an exclusive hold on a file there, so
// that two runs never write the same copy.
#include <memory>
#include <string>

#include "runtime/file_error.h"

namespace scanfee::rt {

// $XDG_STATE_HOME/scanfee/, or ~/.local/state/scanfee/ when XDG_STATE_HOME
// is unset or not an absolute path; empty when neither it nor HOME is known.
// Ends in "/".
std::string user_state_folder();

// Creates the folder and every missing folder above it (private to the
// user). A folder that exists already is fine.
Status make_folders(const std::string& folder);

// Renames `path` to `to`, replacing nothing: 64 when `to` exists.
Status move_file(const std::string& path, const std::string& to);

// An exclusive lock on a lock file, held until the object goes away. The
// system releases it when the process ends in any way, a crash included.
class FileLock {
public:
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // The lock on `path` (created when missing), or nothing when another
    // process holds it; a failure when the file cannot be opened. A lock
    // file is never followed through a symbolic link, nor is anything but
    // a regular file one.
    static Result<std::unique_ptr<FileLock>> try_take(const std::string& path);

private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace scanfee::rt
