#pragma once
// The recovery copy written on a thread of its own, so that no keystroke
// waits for the disk: committing a copy safely (flushed to the disk, then
// renamed) takes milliseconds, more than a keystroke may. Writes that come
// faster than the disk take them are folded into the newest.
#include <memory>

#include "files/recovery.h"

namespace scanfee::app {

// Wraps `store`: write() hands the copy over and returns at once (a failure
// of an earlier write is reported by the next call); remove() waits for the
// writes before it. Destroying the wrapper waits for the last write.
std::unique_ptr<files::RecoveryStore> in_background(std::unique_ptr<files::RecoveryStore> store);

}  // namespace scanfee::app
