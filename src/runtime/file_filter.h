#pragma once
// The filter text and default path of the save and open dialogs, taken apart
// without any toolkit so that the window program and the driver agree.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace scanfee::rt {

struct FileFilter {
    std::string caption;                // Shift-JIS: the whole filter text, parentheses included
    std::vector<std::string> patterns;  // Shift-JIS, e.g. "*.TXT"; none means every file
};

struct FilterList {
    std::vector<FileFilter> filters;  // never empty
    std::size_t selected = 0;         // the first filter is the one shown first
};

// "ﾃｷｽﾄ形式(*.TXT,*.CSV);すべてのﾌｧｲﾙ(*.*)": filters separated by ";", each
// a caption with its patterns in parentheses; blanks and tabs inside the
// parentheses are dropped and "," separates patterns. An empty filter text
// gives "すべてのﾌｧｲﾙ(*.*)".
FilterList parse_filter_text(std::string_view filter_text);

// The filters an open dialog offers: the program's own, then "すべてのファイル
// (*)" unless one of them shows every file already, so that a file sent in
// under another name (a mailed ".TXT") can be chosen.
FilterList open_dialog_filters(FilterList list);
// The caption of that last filter (Shift-JIS).
std::string every_file_caption();

// Whether a file name matches a pattern of a filter. "*" stands for any run
// of characters, "?" for one; letters match regardless of case, as the names
// of the shop's files (".SAV", ".TXT") were never case-sensitive. A pattern
// ending in ".*" also matches a name without any dot, so "*.*" is every file.
bool matches_filter_pattern(std::string_view sjis_pattern, std::string_view utf8_file_name);
bool matches_filter(const FileFilter& filter, std::string_view utf8_file_name);

// Why a name typed into a save dialog names no file, in the user's words
// (Shift-JIS), or empty when it is a name: a "*" or "?" makes it a pattern
// of the filter, as the proposed "*.SAV" is, not the name of a file.
std::string save_name_refusal(std::string_view utf8_name);

// Where a dialog opens and which name it proposes: the default path split
// at its last "/". An empty folder is the current folder.
struct DefaultPath {
    std::string folder;     // up to and including the last "/"
    std::string file_name;  // the rest
};
DefaultPath split_default_path(std::string_view path);

}  // namespace scanfee::rt
