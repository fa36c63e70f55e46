#include "files/title_import.h"

namespace scanfee::files {

// The import itself comes with the import screen; until then its steps have
// no working data to act on.
void run_import_step(rt::int16) {}

void LIST_RESET() {}

}  // namespace scanfee::files
