#include "runtime/stale_temporaries.h"

#include "runtime/open_file.h"
#include "runtime/state_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace scanfee::rt {
namespace {

constexpr std::string_view PREFIX = ".scanfee-";
constexpr std::string_view SUFFIX = ".tmp";
// A journal longer than this is no journal of ours; it starts afresh.
constexpr std::size_t JOURNAL_MAX_BYTES = 64 * 1024;

std::string& journal() {
    static std::string path;
    return path;
}

bool all_digits(std::string_view text) {
    if (text.empty() || text.size() > 10) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Whether the process still runs: it exists, ours or another user's. This
// process runs: another of its threads may be saving (the recovery copy).
bool still_runs(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// The temporary files of our naming in `folder`, removing the stale ones
// when asked; returns {removed, still written}.
std::pair<int, int> sweep(const std::string& folder, bool remove) {
    std::pair<int, int> counts{0, 0};
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return counts;
    while (const dirent* entry = ::readdir(dir)) {
        long pid = 0;
        if (!is_temporary_name(entry->d_name, pid)) continue;
        if (still_runs(pid)) {
            ++counts.second;
        } else if (remove && ::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) {
            ++counts.first;
        }
    }
    ::closedir(dir);
    return counts;
}

// The journal's text; empty when there is none, and when it is longer than
// any journal of ours.
std::string read_journal() {
    std::string text;
    Result<int> opened = open_regular_file(journal(), O_RDONLY);
    if (!opened) return text;
    const int fd = opened.value();
    char buffer[4096];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
        if (text.size() > JOURNAL_MAX_BYTES) {
            text.clear();
            break;
        }
    }
    ::close(fd);
    return text;
}

std::vector<std::string> journal_folders() {
    std::vector<std::string> folders;
    const std::string text = read_journal();
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) break;  // a line cut short by a kill
        if (end > start) folders.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return folders;
}

// The journal is a hint and not the order: every failure here is ignored.
void write_journal(const std::string& text, int flags) {
    const size_t slash = journal().rfind('/');
    if (slash != std::string::npos && slash > 0) (void)make_folders(journal().substr(0, slash));
    Result<int> opened = open_regular_file(journal(), O_WRONLY | O_CREAT | flags);
    if (!opened) return;
    [[maybe_unused]] ssize_t written = ::write(opened.value(), text.data(), text.size());
    ::close(opened.value());
}

}  // namespace

std::string temporary_name(unsigned n) {
    return std::string(PREFIX) + std::to_string(::getpid()) + "-" + std::to_string(n) +
           std::string(SUFFIX);
}

bool is_temporary_name(std::string_view name, long& pid) {
    if (!name.starts_with(PREFIX) || !name.ends_with(SUFFIX)) return false;
    name.remove_prefix(PREFIX.size());
    name.remove_suffix(SUFFIX.size());
    const size_t dash = name.find('-');
    if (dash == std::string_view::npos) return false;
    const std::string_view process = name.substr(0, dash), number = name.substr(dash + 1);
    if (!all_digits(process) || !all_digits(number)) return false;
    pid = std::strtol(std::string(process).c_str(), nullptr, 10);
    return pid > 0;
}

int remove_stale_temporaries(const std::string& folder) { return sweep(folder, true).first; }

void set_save_journal(std::string path) { journal() = std::move(path); }

std::string default_save_journal() {
    const std::string folder = user_state_folder();
    return folder.empty() ? folder : folder + "save-folders";
}

void note_save_folder(const std::string& folder) {
    if (journal().empty() || folder.empty() || folder.find('\n') != std::string::npos) return;
    std::string absolute = folder;
    if (absolute.front() != '/') {
        char here[4096];
        if (!::getcwd(here, sizeof here)) return;
        absolute = std::string(here) + "/" + folder;
    }
    const std::vector<std::string> noted = journal_folders();
    for (const std::string& known : noted)
        if (known == absolute) return;
    // An empty or unreadable journal starts afresh rather than growing.
    write_journal(absolute + "\n", noted.empty() ? O_TRUNC : O_APPEND);
}

void clean_noted_folders() {
    if (journal().empty()) return;
    std::string kept;
    for (const std::string& folder : journal_folders())
        if (sweep(folder, true).second > 0) kept += folder + "\n";
    write_journal(kept, O_TRUNC);
}

}  // namespace scanfee::rt
