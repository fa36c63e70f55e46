#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds scanfee and starts the window
# program; extra arguments go to it (--edition shop|customer, --today Y/M/D).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
exec build/scanfee "$@"
