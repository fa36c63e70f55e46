#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing scanfee
# need, and any packages named as arguments, skipping those already there.
# "--web" adds what the web edition's build and tests need: emscripten (with
# Node), Chromium driven by Selenium, Firefox ESR, and what cuts the page's
# fonts.
set -euo pipefail
web_packages=(emscripten nodejs chromium chromium-driver python3-selenium python3-fonttools python3-brotli unicode-data
              firefox-esr webkit2gtk-driver)
extra=()
for arg in "$@"; do
  if [ "$arg" = --web ]; then extra+=("${web_packages[@]}"); else extra+=("$arg"); fi
done
packages=(g++ cmake ninja-build pkg-config qt6-base-dev libfontconfig-dev qt6-qpa-plugins libgtest-dev
          libbenchmark-dev fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n xvfb xauth
          poppler-utils dpkg-dev file desktop-file-utils lintian xdotool imagemagick
          dbus-x11 at-spi2-core python3-pyatspi "${extra[@]}")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
