#!/usr/bin/env bash
# Only the platform layer talks to SDL, the clock, randomness and the C
# library's files; game code goes through it. Data loaders may read files.
set -uo pipefail
src="$1"
status=0
while IFS= read -r hit; do
  echo "forbidden in game code: $hit"
  status=1
done < <(grep -rnE '#include *[<"]SDL|\bSDL_[A-Za-z]|\b(rand|srand|time|clock|fopen|system|getenv)\(|std::(rand|random_device|mt19937|chrono)' \
  "$src/core" "$src/shell" "$src/world" "$src/story" "$src/match" "$src/items" "$src/render" "$src/minigame" 2>/dev/null \
  | grep -v '^.*data_file\.cpp:.*fopen')
exit $status
