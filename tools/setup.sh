#!/usr/bin/env bash
# Installs what building, playing and testing the game need on Debian 12,
# and nothing when everything is already there.
set -euo pipefail

# Installs those of the packages named that are not installed yet, with
# apt-get's options given first (e.g. --no-install-recommends): "--" ends them.
install_missing() {
  local options=()
  while [ "$1" != "--" ]; do
    options+=("$1")
    shift
  done
  shift
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${options[@]}" "${missing[@]}"
}

packages=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libfontconfig-dev
  fonts-ipafont-gothic libpng-dev googletest libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-apps x11-utils openbox strace clang-14 libclang-rt-14-dev
  python3 gettext dpkg-dev lintian desktop-file-utils appstream
  debhelper devscripts fakeroot xxd man-db xfonts-base fontconfig autopkgtest)

install_missing -- "${packages[@]}"

# The browser's page: emscripten builds it, Debian's chromium runs its tests
# (never a browser of its own), driven by puppeteer-core from npm at the
# version its lock file pins.
web=(emscripten chromium)
command -v npm >/dev/null 2>&1 || web+=(npm)
install_missing --no-install-recommends -- "${web[@]}"
web_tests="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
if [ ! -d "$web_tests/node_modules/puppeteer-core" ]; then
  (cd "$web_tests" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --ignore-scripts)
fi
