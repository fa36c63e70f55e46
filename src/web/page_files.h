#pragma once
// Files in the browser: the program reads and writes them in one folder of
// the page's memory. A file the user opens is put there under its own name;
// a file the program saves there is handed to the browser as a download
// under its name, then removed. Nothing stays once the event is handled.
#include <cstddef>
#include <string>

#include "runtime/file_error.h"

namespace scanfee::web {

// The folder all relative paths are taken from; made empty at start.
void prepare_files_folder();

// A file the open dialog has put into the folder; it is never downloaded.
void note_opened_file(const std::string& name);

// The longest name a download may have, in UTF-8 bytes: the browser gives
// up on a longer one without a word (its file system's 255, less the
// ending it adds while the download runs).
inline constexpr std::size_t DOWNLOAD_NAME_MAX_BYTES = 244;

// Every file saved into the folder since the last call goes to the browser
// as a download of its exact bytes and leaves the folder.
void deliver_saved_files();

// The file the program has just saved at `path` goes to the browser now; a
// failure when the browser did not take it. The file leaves the folder
// either way.
rt::Status deliver_file(const std::string& path);

// After an event: saved files are delivered, opened ones removed.
void clear_files_folder();

}  // namespace scanfee::web
