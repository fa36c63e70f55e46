#include "runtime/paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace scanfee::rt {

bool file_exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Status delete_file(const std::string& path) {
    if (::unlink(path.c_str()) == 0) return std::nullopt;
    return error_from_errno(errno, path, "delete");
}

PathParts split_path(std::string_view path) {
    PathParts parts;
    size_t slash = path.rfind('/');
    size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
    parts.folder = std::string(path.substr(0, name_start));
    std::string_view file = path.substr(name_start);
    size_t dot = file.rfind('.');
    if (dot == std::string_view::npos) dot = file.size();
    parts.name = std::string(file.substr(0, dot));
    parts.extension = std::string(file.substr(dot));
    return parts;
}

}  // namespace scanfee::rt
