#include "qt/font_warmup.h"

#include <fontconfig/fontconfig.h>

namespace scanfee::qtview {

FontWarmup::FontWarmup() : thread_([] { FcInit(); }) {}

void FontWarmup::join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace scanfee::qtview
