#pragma once
// A save writes a temporary file beside its target and renames it over the
// target; a save cut short (the program killed, the machine switched off)
// leaves the temporary file behind. These files are named after the process
// that wrote them, ".scanfee-PID-N.tmp", and are removed once that process
// no longer runs: at the next save into the same folder, and at the next
// start for the folders a journal of saves lists.
#include <string>
#include <string_view>

namespace scanfee::rt {

// The name of this process's temporary file number `n`.
std::string temporary_name(unsigned n);

// True for a name of our own naming; `pid` is the process it names.
bool is_temporary_name(std::string_view name, long& pid);

// Removes the temporary files of our naming in `folder` whose process no
// longer runs. Returns how many it removed.
int remove_stale_temporaries(const std::string& folder);

// Where the folders of saves are noted; empty (the default) notes nothing.
void set_save_journal(std::string path);
// The window program's journal: "save-folders" in the user's state folder;
// empty when there is none.
std::string default_save_journal();
// Notes `folder` in the journal, once.
void note_save_folder(const std::string& folder);
// At start: cleans every folder the journal lists, and keeps listed only
// those where a running process still writes.
void clean_noted_folders();

}  // namespace scanfee::rt
