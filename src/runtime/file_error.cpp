#include "runtime/file_error.h"

#include <cerrno>
#include <cstring>

#include "runtime/sjis.h"

namespace scanfee::rt {

std::string FileError::text() const {
    std::string text = error_message(number);
    if (text.empty()) text = to_sjis("エラー[" + std::to_string(number) + "]");
    if (!path.empty()) text += "\r\n" + to_sjis(path);
    return text;
}

int error_number_from_errno(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return ERR_NOT_FOUND;
        case EEXIST:
        case ENOTEMPTY:
            return ERR_ALREADY_EXISTS;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return ERR_DISK_FULL;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EBUSY:
        case ETXTBSY:
            return ERR_ACCESS_DENIED;
        case ENAMETOOLONG:
        case ELOOP:
            return ERR_BAD_FILE_NAME;
        case ENOMEM:
            return ERR_OUT_OF_MEMORY;
        default:
            return ERR_SYSTEM;
    }
}

FileError error_from_errno(int err, std::string path, std::string what) {
    return FileError{error_number_from_errno(err), std::move(path),
                     std::move(what) + ": " + std::strerror(err)};
}

void raise_fatal(const FileError& error, const char* file, unsigned line) {
    std::string_view module = file ? file : "?";
    if (auto slash = module.find_last_of('/'); slash != std::string_view::npos)
        module.remove_prefix(slash + 1);
    throw FatalError(error.number, std::string(module), line);
}

}  // namespace scanfee::rt
