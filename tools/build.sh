#!/usr/bin/env bash
# Configures and builds scanfee in build/ (warnings are errors).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCANFEE_WERROR=ON
cmake --build build
