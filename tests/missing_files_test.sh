#!/usr/bin/env bash
# A missing picture or a damaged map stops the game with a message that names
# the file, and a status that is not 0, instead of a crash or a blank screen.
set -uo pipefail
bin="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cp "$bin/mokimoki-scenario" "$work/"
cp -r "$bin/data" "$bin/assets" "$work/"
printf 'wait 100\nmenu start\nwait 100\n' > "$work/start.scn"

rm "$work/assets/picmap_10.png"
"$work/mokimoki-scenario" "$work/start.scn" >/dev/null 2>"$work/err.txt"
status=$?
[ $status -ne 0 ] || fail "missing picture: exit status 0"
grep -q 'picmap_10.png' "$work/err.txt" || fail "missing picture: message does not name it: $(cat "$work/err.txt")"
cp "$bin/assets/picmap_10.png" "$work/assets/"

head -c 2000 "$bin/data/rftmap.dat" > "$work/data/rftmap.dat"
"$work/mokimoki-scenario" "$work/start.scn" >/dev/null 2>"$work/err.txt"
status=$?
[ $status -ne 0 ] || fail "short hall map: exit status 0"
grep -q 'data/rftmap.dat' "$work/err.txt" || fail "short hall map: message does not name it: $(cat "$work/err.txt")"
echo "stops cleanly: $(head -1 "$work/err.txt")"
