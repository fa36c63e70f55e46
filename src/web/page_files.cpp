#include "web/page_files.h"

#include <dirent.h>
#include <emscripten.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <vector>

#include "runtime/stale_temporaries.h"
#include "runtime/text_file.h"

namespace scanfee::web {
namespace {

constexpr const char* FOLDER = "/files";

// 1 once the browser has the download, 0 when it refused it.
EM_JS(int, page_download, (const char* name, const char* bytes, int size), {
    return Module.page.download(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size)) ? 1 : 0;
});

std::set<std::string>& opened_files() {
    static std::set<std::string> names;
    return names;
}

// The saver's temporary files live only while a file is being written.
bool is_temporary(const std::string& name) {
    long pid = 0;
    return rt::is_temporary_name(name, pid);
}

std::vector<std::string> regular_files() {
    std::vector<std::string> names;
    DIR* dir = ::opendir(FOLDER);
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (::lstat((std::string(FOLDER) + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode))
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

}  // namespace

void prepare_files_folder() {
    ::mkdir(FOLDER, 0777);
    ::chdir(FOLDER);
    for (const std::string& name : regular_files()) ::unlink(name.c_str());
}

void note_opened_file(const std::string& name) { opened_files().insert(name); }

rt::Status deliver_file(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string where = std::string(FOLDER) + "/" + name;
    rt::Result<std::string> bytes = rt::read_file_bytes(where);
    ::unlink(where.c_str());
    if (!bytes) return bytes.error();
    if (name.size() <= DOWNLOAD_NAME_MAX_BYTES &&
        page_download(name.c_str(), bytes.value().data(), static_cast<int>(bytes.value().size())))
        return std::nullopt;
    return rt::FileError{rt::ERR_SYSTEM, name, "download", rt::FileFault::NotHandedOver};
}

void deliver_saved_files() {
    for (const std::string& name : regular_files())
        if (!opened_files().count(name) && !is_temporary(name)) (void)deliver_file(name);
}

void clear_files_folder() {
    deliver_saved_files();
    for (const std::string& name : opened_files()) ::unlink((std::string(FOLDER) + "/" + name).c_str());
    opened_files().clear();
}

}  // namespace scanfee::web
