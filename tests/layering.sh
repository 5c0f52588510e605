#!/usr/bin/env bash
# Includes run one way: platform -> the player's files -> core (shared types
# and helpers) -> the game's folders in one order -> shell -> app. A file may
# include only its own layer and the layers below it, and every folder of
# src/ has its place here, so a new folder or an include against the order
# fails.
#
# The game's folders, from the bottom:
#   story     the texts, the cast and its tables, the scripts, talking, the
#             league; a closed dialogue starts what it booked through the
#             window's startBooked, which the shell sets
#   world     the hall, the rooms, the data files, the match field's tiles
#   render    the match frame
#   items     items in a match, traps and field effects
#   match     set-up, movement, the ball, the step, the clock and the result
#   minigame  the bear's game
set -uo pipefail
src="$1"
status=0
checked=" "
check() {  # check DIR "allowed top folders"
  local dir="$1" allowed="$2"
  checked+="$dir "
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
below="platform player_files core"
check core "$below"
for layer in story world render items match minigame shell app; do
  below+=" $layer"
  check "$layer" "$below"
done
for dir in "$src"/*/; do
  name="$(basename "$dir")"
  if [[ "$checked" != *" $name "* ]]; then
    echo "layering: src/$name/ has no place in the order"
    status=1
  fi
done
exit $status
