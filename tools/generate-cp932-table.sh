#!/usr/bin/env bash
# Writes src/runtime/cp932_table.cpp, the CP932 table of every build, from
# this machine's glibc iconv. The table is checked in; run this only when the
# generator changes. The converter's test compares the table with iconv.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -Werror -o "$work/generate" tools/cp932_table_generator.cpp
"$work/generate" >"$work/cp932_table.cpp"
mv "$work/cp932_table.cpp" src/runtime/cp932_table.cpp
echo "generate-cp932-table: src/runtime/cp932_table.cpp written"
