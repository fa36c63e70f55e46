#!/usr/bin/env bash
# Builds the Debian package from a Release tree (build-release/), unpacks it
# into a scratch root and checks that every file is in place, that the
# launchers are valid and that the installed programs start, each window
# matched with its launcher. Anything lintian --pedantic reports fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
tree=build-release
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DSCANFEE_BUILD_TESTS=OFF -DSCANFEE_BUILD_BENCH=OFF >/dev/null
nice cmake --build "$tree"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$tree/CMakeCache.txt")
deb="$tree/scanfee_${version}_amd64.deb"
rm -f "$deb"
(cd "$tree" && cpack -G DEB >/dev/null)
[ -f "$deb" ] || { echo "check-package: $deb was not built" >&2; exit 1; }

failures=0
fail() { echo "check-package: $*" >&2; failures=$((failures + 1)); }

dpkg-deb -I "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-ipafont-gothic fonts-ipafont-mincho libqt6widgets6 libqt6printsupport6 libc6; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = scanfee ] || fail "package name is not scanfee"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
expected=(usr/bin/scanfee usr/bin/scanfee-run
          usr/share/applications/scanfee-customer.desktop
          usr/share/applications/scanfee-shop.desktop
          usr/share/icons/hicolor/scalable/apps/scanfee.svg
          usr/share/man/man1/scanfee.1.gz usr/share/man/man1/scanfee-run.1.gz
          usr/share/doc/scanfee/copyright usr/share/doc/scanfee/changelog.gz
          usr/share/doc/scanfee/guide.md)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/scanfee.png")
done
# The pictures the guide shows.
for image in $(grep -o '(images/[^)]*\.png)' docs/guide.md | tr -d '()' | sort -u); do
  [ -f "docs/$image" ] || fail "the guide shows docs/$image, which does not exist"
  expected+=("usr/share/doc/scanfee/$image")
done
for file in "${expected[@]}"; do
  [ -s "$root/$file" ] || fail "missing or empty in the package: /$file"
done
for program in scanfee scanfee-run; do
  [ -x "$root/usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/scanfee.png"
  [ -f "$png" ] || continue
  # A PNG's width and height stand at bytes 16 to 23 of its header.
  dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
  [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
done
for page in scanfee scanfee-run; do
  gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "$page.1.gz is not gzip"
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^\.TH .*scanfee $version" \
    || fail "$page.1 does not carry version $version"
done
zcat "$root/usr/share/doc/scanfee/changelog.gz" | head -1 | grep -q "^scanfee ($version)" \
  || fail "the changelog does not start with version $version"

for edition in customer shop; do
  launcher="$root/usr/share/applications/scanfee-$edition.desktop"
  [ -f "$launcher" ] || continue
  desktop-file-validate "$launcher" || fail "scanfee-$edition.desktop is not valid"
  grep -qx "Exec=scanfee --edition $edition" "$launcher" || fail "scanfee-$edition.desktop starts another edition"
  grep -qx "Icon=scanfee" "$launcher" || fail "scanfee-$edition.desktop names another icon"
  grep -qx "StartupWMClass=scanfee-$edition" "$launcher" || fail "scanfee-$edition.desktop names no StartupWMClass"
done
for program in scanfee scanfee-run; do
  if readelf -S "$root/usr/bin/$program" | grep -q '\.comment'; then
    fail "/usr/bin/$program keeps the compiler's .comment section"
  fi
done

# The installed driver starts in both editions and knows its edition.
for edition in customer shop; do
  want=$([ $edition = shop ] && echo 0 || echo 1)
  got=$(echo "var EDITION" | "$root/usr/bin/scanfee-run" --edition $edition --today 2016/04/29 2>&1) \
    || fail "the installed scanfee-run failed: $got"
  [ "$got" = "$want" ] || fail "the installed scanfee-run --edition $edition says EDITION $got"
done

# Each launcher's command, run from the unpacked package on an X server of
# its own, opens the summary screen of its edition.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/display" 2>/dev/null &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true; rm -rf "$root"' EXIT
  for _ in $(seq 100); do [ -s "$root/display" ] && break; sleep 0.05; done
  for edition in customer shop; do
    caption=$([ $edition = shop ] && echo "ミクリ計算総合編集画面" || echo "ミクリ計算総合画面")
    command=$(sed -n 's/^Exec=scanfee //p' "$root/usr/share/applications/scanfee-$edition.desktop")
    # The window carries the caption of its edition and, as the instance
    # name of its class, the launcher's StartupWMClass.
    wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/scanfee-$edition.desktop")
    found=""
    # A client that connects while the X server is busy can be refused and
    # end at once; then it is started again.
    for attempt in 1 2 3; do
      # shellcheck disable=SC2086  # the launcher's arguments
      DISPLAY=":$(head -1 "$root/display")" QT_QPA_PLATFORM=xcb HOME="$root" XDG_RUNTIME_DIR="$root" \
        "$root/usr/bin/scanfee" $command >"$root/$edition.log" 2>&1 &
      program=$!
      for _ in $(seq 100); do
        found=$(DISPLAY=":$(head -1 "$root/display")" xdotool search --onlyvisible --name "^$caption" 2>/dev/null || true)
        if [ -n "$found" ]; then
          DISPLAY=":$(head -1 "$root/display")" xdotool search --onlyvisible --classname "^$wm_class\$" 2>/dev/null \
            | grep -qx "$found" || { fail "the $edition window's class is not $wm_class"; }
        fi
        [ -n "$found" ] && break
        kill -0 $program 2>/dev/null || break
        sleep 0.1
      done
      kill $program 2>/dev/null || true
      wait $program 2>/dev/null || true
      [ -n "$found" ] && break
      echo "check-package: the $edition edition ended at its start (attempt $attempt): $(cat "$root/$edition.log")" >&2
      sleep 0.5
    done
    if [ -n "$found" ]; then
      echo "check-package: scanfee-$edition.desktop opens \"$caption\""
    else
      fail "scanfee-$edition.desktop opens no window \"$caption\": $(cat "$root/$edition.log")"
    fi
  done
else
  echo "check-package: Xvfb or xdotool is missing; the launchers were not started"
fi

# lintian, pedantic notes included, finds nothing to say.
report=$(lintian --pedantic "$deb" 2>&1 | grep -v "running with root privileges" || true)
if [ -n "$report" ]; then
  echo "$report"
  fail "lintian --pedantic reports on the package"
fi

if [ $failures -gt 0 ]; then
  echo "check-package: $failures problem(s) in $deb" >&2
  exit 1
fi
echo "check-package: $deb installs every file in place"
