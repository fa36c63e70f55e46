#!/usr/bin/env bash
# The web edition's tests: every end-to-end script through the driver for
# Node with the expected output of the native driver, and the same files
# written; then the page's tests in headless Chromium, and its whole
# sessions once more in Firefox ESR and WebKitGTK (tests/web/engines_test.py).
# Usage: tests/web/run-web-tests.sh [NATIVE_BUILD_DIR] [WEB_BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
native=$(realpath "${1:-build}")
web=$(realpath "${2:-build-web}")
work="$web/e2e"
rm -rf "$work"
failed=0
passed=0
for script in tests/e2e/*.run; do
  name=$(basename "$script" .run)
  ok=1
  for side in node native; do
    if [ $side = node ]; then driver="node;$web/scanfee-run.js"; else driver="$native/scanfee-run"; fi
    if ! cmake "-DDRIVER=$driver" "-DSCRIPT=$PWD/$script" "-DWORKDIR=$work/$side/$name" \
         -P tests/e2e/run_script.cmake >"$work-$side-$name.log" 2>&1; then
      echo "web e2e: $name through the $side driver failed:" >&2
      cat "$work-$side-$name.log" >&2
      ok=0
    fi
  done
  # Whatever the scripts wrote, both drivers wrote alike.
  if [ $ok = 1 ] && ! diff -r "$work/node/$name" "$work/native/$name" >&2; then
    echo "web e2e: $name wrote other files through Node" >&2
    ok=0
  fi
  if [ $ok = 1 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
rm -f "$work"-*.log
echo "web e2e: $passed scripts alike through Node and natively, $failed failed"
# The recovery copy across runs of the driver for Node, one of them killed.
bash tests/e2e/recovery.sh "$work/recovery" node "$web/scanfee-run.js" || failed=$((failed + 1))

# The pinned npm tools that drive Firefox.
[ -d node_modules/puppeteer-core ] || npm ci --no-audit --no-fund >/dev/null
# The tests leave the source tree as they found it.
export SCANFEE_SITE="$web/site" SCANFEE_NATIVE_DRIVER="$native/scanfee-run" PYTHONDONTWRITEBYTECODE=1
# Chromium and Firefox run headless; WebKit's MiniBrowser needs an X server.
python=(/usr/bin/python3)
[ -n "${DISPLAY:-}" ] || python=(xvfb-run -a /usr/bin/python3)
"${python[@]}" -m unittest discover -s tests/web -p '*_test.py' || failed=$((failed + 1))
[ $failed = 0 ]
