#include "runtime/state_folder.h"

#include "runtime/open_file.h"
#include "runtime/text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace scanfee::rt {

std::string user_state_folder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/') return std::string(state) + "/scanfee/";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.local/state/scanfee/";
    return {};
}

Status make_folders(const std::string& folder) {
    std::string path;
    size_t start = 0;
    while (start <= folder.size()) {
        size_t slash = folder.find('/', start);
        if (slash == std::string::npos) slash = folder.size();
        path = folder.substr(0, slash);
        start = slash + 1;
        if (path.empty()) continue;
        if (::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST) continue;
        return error_from_errno(errno, folder, "create folder " + path);
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return error_from_errno(errno, folder, "stat");
    if (!S_ISDIR(info.st_mode)) return error_from_errno(ENOTDIR, folder, "not a folder");
    return std::nullopt;
}

Status move_file(const std::string& path, const std::string& to) {
    if (int err = rename_no_replace(path, to)) return error_from_errno(err, to, "move " + path);
    return std::nullopt;
}

FileLock::~FileLock() { ::close(fd_); }

Result<std::unique_ptr<FileLock>> FileLock::try_take(const std::string& path) {
    Result<int> opened = open_regular_file(path, O_RDWR | O_CREAT, 0600, false);
    if (!opened) return opened.error();
    const int fd = opened.value();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) return std::unique_ptr<FileLock>();
        return error_from_errno(err, path, "lock");
    }
    return std::unique_ptr<FileLock>(new FileLock(fd));
}

}  // namespace scanfee::rt
