#pragma once
// The recovery copy of a run, for the window program and the driver alike.
#include <string>

#include "runtime/numbers.h"

namespace scanfee::app {

// Keeps the recovery copy of the edition in `folder` from now on, and offers
// back the copy an earlier run left there. A folder where no copy can be kept
// is reported by a message box, and the run goes on without one. Call when
// the summary screen is shown. In the `background` the copy is written on a
// thread of its own, so that typing never waits for the disk.
void keep_recovery_copy_in(const std::string& folder, rt::int16 edition, bool background = false);

}  // namespace scanfee::app
