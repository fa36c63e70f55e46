#pragma once
// Files in the browser: the program reads and writes them in one folder of
// the page's memory. A file the user opens is put there under its own name;
// a file the program saves there is handed to the browser as a download
// under its name, then removed. Nothing stays once the event is handled.
#include <string>

namespace scanfee::web {

// The folder all relative paths are taken from; made empty at start.
void prepare_files_folder();

// A file the open dialog has put into the folder; it is never downloaded.
void note_opened_file(const std::string& name);

// Every file saved into the folder since the last call goes to the browser
// as a download of its exact bytes and leaves the folder.
void deliver_saved_files();

// After an event: saved files are delivered, opened ones removed.
void clear_files_folder();

}  // namespace scanfee::web
