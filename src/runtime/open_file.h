#pragma once
// Opening files so that no special file can hold the program: a named pipe,
// a device or a folder where a file belongs is refused at once with its
// reason, before anything waits on it. The name is looked at first without
// opening it (the only way that holds where the C library cannot open
// without waiting: the Node build), then the open itself does not wait and
// what was opened is looked at again.
#include <string>

#include "runtime/file_error.h"

namespace scanfee::rt {

// A regular file opened with `flags` (O_RDONLY, O_WRONLY | O_CREAT, ...),
// waiting for nothing; the descriptor blocks as usual from then on. A name
// that does not exist yet is created only with O_CREAT. `follow` false
// refuses a symbolic link instead of following it.
Result<int> open_regular_file(const std::string& path, int flags, unsigned mode = 0600,
                              bool follow = true);

}  // namespace scanfee::rt
