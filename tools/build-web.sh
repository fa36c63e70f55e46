#!/usr/bin/env bash
# Builds the web edition into build-web/: site/ (the page, to be served by
# any static web server) and scanfee-run.js (the headless driver for Node).
# Installs what is missing from Debian's packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --web
# Debian's emscripten runs its JavaScript tools with the machine's node,
# which may not look in Debian's own module folder.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DSCANFEE_WERROR=ON \
  -DSCANFEE_BUILD_QT=OFF -DSCANFEE_BUILD_TESTS=OFF -DSCANFEE_BUILD_BENCH=OFF >/dev/null
cmake --build build-web
echo "build-web: the page in build-web/site/, the driver build-web/scanfee-run.js"
