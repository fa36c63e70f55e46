#include "runtime/file_error.h"

#include <cerrno>
#include <cstring>

#include "runtime/sjis.h"

namespace scanfee::rt {

std::string fault_message(FileFault fault) {
    switch (fault) {
        case FileFault::ReadOnly: return to_sjis("読み取り専用のため書き込めません");
        case FileFault::NotAFolder: return to_sjis("フォルダではありません（同じ名前のファイルがあります）");
        case FileFault::IsAFolder: return to_sjis("フォルダです（ファイルではありません）");
        case FileFault::NotARegularFile:
            return to_sjis("普通のファイルではありません（名前付きパイプや装置など）");
        case FileFault::ChangedWhileRead:
            return to_sjis("読み込んでいる間にファイルが書き換えられました。もう一度読み込んでください");
        case FileFault::NotHandedOver: return to_sjis("ブラウザーにダウンロードとして渡せませんでした");
        case FileFault::None: break;
    }
    return {};
}

std::string FileError::reason() const {
    std::string text = fault_message(fault);
    if (text.empty()) text = error_message(number);
    if (text.empty()) text = to_sjis("エラー[" + std::to_string(number) + "]");
    return text;
}

std::string FileError::text() const {
    std::string text = reason();
    if (!path.empty()) text += "\r\n" + to_sjis_shown(path);
    return text;
}

namespace {

FileFault fault_from_errno(int err) {
    switch (err) {
        case EROFS: return FileFault::ReadOnly;
        case ENOTDIR: return FileFault::NotAFolder;
        case EISDIR: return FileFault::IsAFolder;
        // A named pipe opened for writing without a reader, a device without
        // its driver.
        case ENXIO:
        case ENODEV: return FileFault::NotARegularFile;
        default: return FileFault::None;
    }
}

}  // namespace

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
        case ENXIO:
        case ENODEV:
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
                     std::move(what) + ": " + std::strerror(err), fault_from_errno(err)};
}

void raise_fatal(const FileError& error, const char* file, unsigned line) {
    std::string_view module = file ? file : "?";
    if (auto slash = module.find_last_of('/'); slash != std::string_view::npos)
        module.remove_prefix(slash + 1);
    throw FatalError(error.number, std::string(module), line);
}

}  // namespace scanfee::rt
