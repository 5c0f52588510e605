#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOKI_PSEUDO_LANGUAGE=OFF >/dev/null
cmake --build build -j"$(nproc)" --target mokimoki
exec build/bin/mokimoki "$@"
