#pragma once
// The file system services besides reading and writing: existence, deletion
// and the parts of a path. Paths are native UTF-8 paths with "/".
#include <string>
#include <string_view>

#include "runtime/file_error.h"

namespace scanfee::rt {

// True when `path` names a file (or a link to one); a folder is not a file.
bool file_exists(const std::string& path);

// Removes the file; a folder is refused with 75.
Status delete_file(const std::string& path);

struct PathParts {
    std::string drive;      // always empty here: the paths have no drive letter
    std::string folder;     // up to and including the last "/", or empty
    std::string name;       // the file name without its extension
    std::string extension;  // from the last "." of the file name on, or empty
};

// Splits at the last "/" and at the last "." after it. The folder and drive
// joined give the folder a dialog remembers; "." of "/a.b/c" is no extension.
PathParts split_path(std::string_view path);

}  // namespace scanfee::rt
