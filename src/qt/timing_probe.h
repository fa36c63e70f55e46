#pragma once
// For the start-up and exit check of the benchmarks: when the environment
// variable SCANFEE_TIMING_FILE names a file, the program writes into it the
// moment its first window has been painted ("shown NS"), then presses its own
// end button ("end NS") and ends as a user's press would end it. The times
// are nanoseconds of the monotonic clock, which every process of the machine
// shares, so the measuring program compares them with its own.
#include <QWidget>
#include <functional>

namespace scanfee::qtview {

// Does nothing unless the variable is set.
void install_timing_probe(QWidget* first_window, std::function<void()> press_end);

}  // namespace scanfee::qtview
