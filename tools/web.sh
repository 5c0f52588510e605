#!/usr/bin/env bash
# The game in a browser: installs what is missing, makes the glyphs from the
# desktop's font with the native build, builds the page into build-web/
# (index.html at its root) with emscripten, and serves it on
# http://127.0.0.1:8000/ until stopped. --no-serve only builds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
serve=1
for arg in "$@"; do
  case "$arg" in
    --no-serve) serve=0 ;;
    *) echo "usage: bash tools/web.sh [--no-serve]" >&2; exit 2 ;;
  esac
done
bash tools/setup.sh
jobs="$(nproc)"
out="$root/build-web"
native="${MOKI_NATIVE_BUILD:-$root/build}"

# The glyphs: every character of the game's texts, from the same font at the
# same size as the desktop's, each line checked against the desktop's.
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DMOKI_WERROR=ON >/dev/null
fi
cmake --build "$native" -j"$jobs" --target mokimoki-glyphs >/dev/null
mkdir -p "$out/cmake"
mapfile -t texts < <(ls po/*.po po/mokimoki.pot; find src -name '*.cpp' -o -name '*.h' | sort)
"$native/bin/mokimoki-glyphs" "$out/cmake/glyphs.bin" "${texts[@]}"

# Debian's emscripten runs on Debian's node, with Debian's acorn.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B "$out/cmake" -DCMAKE_BUILD_TYPE=Release -DMOKI_WERROR=ON \
  -DMOKI_WEB_OUT="$out" -DMOKI_GLYPHS="$out/cmake/glyphs.bin" >/dev/null
cmake --build "$out/cmake" -j"$jobs"
echo "The page: $out/index.html"
if ((serve)); then
  echo "Serving it on http://127.0.0.1:8000/ (Ctrl+C stops)"
  exec python3 -m http.server 8000 --bind 127.0.0.1 --directory "$out"
fi
