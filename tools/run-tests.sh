#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything and runs every test: the
# native programs' and the web edition's.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --web
bash tools/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
bash tools/build-web.sh
# The browser tests' pinned npm tools (puppeteer-core for Firefox, axe-core);
# Debian's Node comes without npm.
command -v npm >/dev/null || bash tools/install-deps.sh npm
npm ci --no-audit --no-fund
bash tests/web/run-web-tests.sh build build-web
bash tools/check-package.sh
