#!/usr/bin/env bash
# SIGKILLs while the game saves. Each round starts the scenario runner on a
# save at rest, continues it and quits (which writes the save), and kills the
# runner at a random moment. After every round the save must be whole (JSON
# with every key of a save), at most the one temporary file of the write just
# killed may be beside it (the next start clears it), and at the end the game
# must continue from the save.
#   tools/kill_save.sh RUNNER [ROUNDS]   (RUNNER: build/bin/mokimoki-scenario)
set -uo pipefail
runner="$(realpath "$1")"
rounds="${2:-500}"
here="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
save="$work/data/mokimoki/save.json"
mkdir -p "$(dirname "$save")"
cp "$here/fuzz/corpus/save/hall" "$save"
printf 'wait 200\nmenu continue\nwait 300\nmenu quit\n' >"$work/c.scn"
keys="$(python3 -c 'import json,sys; print(sorted(json.load(open(sys.argv[1]))))' "$save")"
damaged=0 leftover=0 killed=0 cut=0
for ((i = 1; i <= rounds; i++)); do
  "$runner" "$work/c.scn" >/dev/null 2>&1 &
  pid=$!
  sleep "0.0$((RANDOM % 90 + 5))"
  kill -KILL "$pid" 2>/dev/null && killed=$((killed + 1))
  wait "$pid" 2>/dev/null
  now="$(python3 -c 'import json,sys; print(sorted(json.load(open(sys.argv[1]))))' "$save" 2>/dev/null)"
  [ "$now" = "$keys" ] || { damaged=$((damaged + 1)); echo "round $i: the save is damaged"; cp "$here/fuzz/corpus/save/hall" "$save"; }
  tmp=$(find "$(dirname "$save")" -name 'save.json.*.tmp' | wc -l)
  ((tmp == 1)) && cut=$((cut + 1))
  ((tmp > 1)) && { leftover=$((leftover + 1)); echo "round $i: $tmp temporary files beside the save"; }
done
out="$(printf 'wait 200\nmenu continue\nwait 300\ndump\n' >"$work/d.scn"; "$runner" "$work/d.scn" 2>&1 | tail -1)"
grep -q '"GameMode":1' <<<"$out" || { echo "the game does not continue from the save"; damaged=$((damaged + 1)); }
echo "kill_save: $rounds rounds, $killed killed while running, $cut of them in the middle of a write, $damaged damaged saves, $leftover rounds with temporary files left over"
((damaged == 0 && leftover == 0))
