#!/usr/bin/env bash
# The scenario runner as a player of scenarios: JSON state lines, quitting
# from inside a dialogue, and its exit statuses for a bad line and a timeout.
set -uo pipefail
runner="$1"
scenarios="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cd "$work"
out="$("$runner" "$scenarios/menu_quit.scn")" || fail "menu_quit.scn exited $?"
lines="$(printf '%s\n' "$out" | grep -c '^{')"
[ "$lines" = 2 ] || fail "expected 2 JSON lines, got $lines"
first="$(printf '%s\n' "$out" | sed -n 1p)"
last="$(printf '%s\n' "$out" | sed -n 2p)"
echo "$first" | grep -q '"GameMode":0' || fail "title screen not in first dump"
echo "$first" | grep -q '"menuStartEnabled":true' || fail "スタート not enabled on the title"
echo "$last" | grep -q '"GameMode":1' || fail "not in the hall after スタート"
echo "$last" | grep -q '"dialogueState":1' || fail "the opening was not running when 終了 came"
echo "$last" | grep -q '"tick":1700,' || fail "the run did not end at 終了"
[ -s opening.png ] || fail "shot wrote no picture"

printf 'wait 10\npress banana\n' > bad.scn
"$runner" bad.scn >/dev/null 2>err.txt
status=$?
[ $status = 2 ] || fail "bad line: exit $status, expected 2"
grep -q 'line 2' err.txt || fail "bad line: the message does not name line 2"

printf 'until GameMode 4 300\n' > slow.scn
"$runner" slow.scn >/dev/null 2>&1
status=$?
[ $status = 3 ] || fail "until timeout: exit $status, expected 3"
# A script or a recording is looked at before a byte is read: an 8 GB file
# or a device is refused at once with status 2, never read into memory.
truncate -s 8G huge
for args in "huge" "/dev/zero" "--replay huge" "--replay /dev/zero"; do
  start=$(date +%s%N)
  # shellcheck disable=SC2086
  "$runner" $args >/dev/null 2>err.txt
  status=$?
  ms=$((($(date +%s%N) - start) / 1000000))
  [ $status = 2 ] || fail "$args: exit $status, expected 2 ($(cat err.txt))"
  [ $ms -lt 1000 ] || fail "$args: took $ms ms"
  grep -qE 'larger than|not a plain file' err.txt || fail "$args: the message is: $(cat err.txt)"
done
echo "scenario runner: all checks passed"
