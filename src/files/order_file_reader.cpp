#include "core/order_state.h"
#include "files/order_file.h"

namespace scanfee::files {

// The reader and the buttons come with the order file's loading.
bool RFILE_SUB() { return false; }
void BUTTON3_ON() {}
void BUTTON4_ON() {}

}  // namespace scanfee::files
