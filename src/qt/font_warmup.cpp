#include "qt/font_warmup.h"

#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>

namespace scanfee::qtview {
namespace {

// A new thread starts on its creator's processor and waits there until the
// scheduler balances the load, milliseconds later, while the creator keeps
// the processor busy. Sent to the other processors at once, it runs beside
// the start-up it is meant to run beside.
void move_off_this_processor(std::thread& thread) {
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0) return;
    const int here = sched_getcpu();
    if (here < 0 || CPU_COUNT(&allowed) < 2 || !CPU_ISSET(here, &allowed)) return;
    CPU_CLR(here, &allowed);
    pthread_setaffinity_np(thread.native_handle(), sizeof allowed, &allowed);
}

}  // namespace

FontWarmup::FontWarmup() : thread_([] { FcInit(); }) {
    move_off_this_processor(thread_);
}

void FontWarmup::join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace scanfee::qtview
