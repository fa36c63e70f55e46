#pragma once
// The error number of the fatal error report that a call ends in, or 0 when
// the call returns normally.
#include "runtime/fatal.h"

namespace scanfee::testing {

int fatal_number(auto&& call) {
    try {
        call();
    } catch (const rt::FatalError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace scanfee::testing
