#!/usr/bin/env bash
# Renews the guide's pictures: builds the window program, takes the
# screenshots of every screen in both editions under Xvfb and copies them
# into docs/images/. Look at them before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
nice cmake --build build --target scanfee test_screen_layout
bash tests/screenshots/take-screenshots.sh build/scanfee build/tests/screenshots/test_screen_layout \
     build/tests/screenshots/images
mkdir -p docs/images
rm -f docs/images/*.png
cp build/tests/screenshots/images/*.png docs/images/
echo "update-guide-images: $(ls docs/images/*.png | wc -l) pictures in docs/images/"
