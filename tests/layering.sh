#!/usr/bin/env bash
# Includes run one way: platform -> the player's files -> core (shared types
# and helpers) -> the subsystems -> shell -> app. A file may include only its
# own layer and the layers below it.
set -uo pipefail
src="$1"
status=0
check() {  # check DIR "allowed top folders"
  local dir="$1" allowed="$2"
  while IFS= read -r line; do
    local file="${line%%:*}" inc
    inc="$(sed -E 's/.*#include *"([^/"]+)\/.*/\1/' <<<"$line")"
    if [[ " $allowed " != *" $inc "* ]]; then
      echo "layering: $file includes $inc/ (allowed: $allowed)"
      status=1
    fi
  done < <(grep -rnE '#include *"[^"]+/' "$src/$dir" 2>/dev/null)
}
check platform "platform"
check player_files "platform player_files"
check core "platform player_files core"
for sub in world story match items render minigame; do
  check "$sub" "platform player_files core world story match items render minigame"
done
check shell "platform player_files core world story match items render minigame shell"
exit $status
