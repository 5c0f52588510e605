#!/usr/bin/env bash
# The real game's command line and its display:
# - --help, -h and --version answer and exit 0, an unknown option or a stray
#   argument is named and exits 2, all without a display (so no window);
# - with no display, or one that cannot be opened, the game says so naming
#   DISPLAY and WAYLAND_DISPLAY and exits 1 within a second; SDL_VIDEODRIVER
#   still picks a driver such as offscreen;
# - under a virtual X server: the display going away ends the game with that
#   message; a fatal error's box goes with the game on SIGTERM, and closing
#   the box ends the game.
#   tests/command_line_test.sh EXE VERSION
set -uo pipefail
exe="$1"
version="$2"
export LC_ALL=C.UTF-8 SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
work="$(mktemp -d)"
export XDG_STATE_HOME="$work/state"  # the sessions' recordings
xserver=""
cleanup() {
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# run ARGS...: the game with no display at all; sets status, ms, out and err.
# A game that opened anything would still be running after 5 s.
run() {
  local start
  start=$(date +%s%N)
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 5 "$exe" "$@" \
    >"$work/out" 2>"$work/err"
  status=$?
  ms=$((($(date +%s%N) - start) / 1000000))
  out="$(cat "$work/out")"
  err="$(cat "$work/err")"
}
has() { grep -qF -- "$2" <<<"$1"; }

for opt in --help -h; do
  run "$opt"
  [ "$status" -eq 0 ] || fail "$opt: status $status ($err)"
  for part in "Usage: mokimoki" "--version" "Keys:" "Space" "Environment:" "MOKI_PRESENT" \
    "SDL_VIDEODRIVER"; do
    has "$out" "$part" || fail "$opt: no \"$part\" in the help"
  done
  [ -z "$err" ] || fail "$opt: wrote to stderr: $err"
done

run --version
[ "$status" -eq 0 ] || fail "--version: status $status"
[ "$out" = "大会にモキモキ (mokimoki) $version" ] || fail "--version says \"$out\""

for bad in --bogus --help=yes -q stray.txt; do
  run "$bad"
  [ "$status" -eq 2 ] || fail "$bad: status $status, not 2"
  has "$err" "'${bad%%=*}'" || fail "$bad: the message does not name it: $err"
  [ -z "$out" ] || fail "$bad: wrote to stdout: $out"
done
echo "options --help, -h, --version and bad ones checked: $failures failures"

# Files given on the command line are looked at before a byte is read, and
# --record writes over nothing but a recording: each refused at once, named,
# with status 2, and left as it was.
mkdir -p "$work/home/.local/share/mokimoki" "$work/home/.config/mokimoki"
truncate -s 8G "$work/huge.rec"
echo '{"version": 1}' >"$work/home/.local/share/mokimoki/save.json"
echo "my notes" >"$work/notes.txt"
while IFS='|' read -r what args said; do
  before="$(ls -lR --time-style=full-iso "$work/home" "$work/huge.rec" "$work/notes.txt" | md5sum)"
  # shellcheck disable=SC2086
  HOME="$work/home" XDG_DATA_HOME="" XDG_CONFIG_HOME="" run $args
  [ "$status" -eq 2 ] || fail "$what: status $status, not 2 ($err)"
  [ "$ms" -lt 1000 ] || fail "$what: took $ms ms"
  has "$err" "$said" || fail "$what: the message does not say \"$said\": $err"
  [ "$(ls -lR --time-style=full-iso "$work/home" "$work/huge.rec" "$work/notes.txt" | md5sum)" = "$before" ] ||
    fail "$what: something was written"
  echo "$what: status $status after $ms ms: $err"
done <<EOF_ROWS
--play of an 8 GB file|--play $work/huge.rec|larger than 8 MB
--play of a device|--play /dev/zero|not a plain file
--record over the save|--record $work/home/.local/share/mokimoki/save.json|keeps the player's save
--record where the settings go|--record $work/home/.config/mokimoki/settings.ini|keeps the player's settings
--record over the player's own file|--record $work/notes.txt|not a recording
EOF_ROWS
[ "$(cat "$work/notes.txt")" = "my notes" ] || fail "--record: the player's file changed"
rm -rf "$work/home" "$work/huge.rec" "$work/notes.txt"

# No display at all, then one that nobody serves.
check_no_display() {  # what
  [ "$status" -eq 1 ] || fail "$1: status $status, not 1"
  [ "$ms" -lt 1000 ] || fail "$1: took $ms ms"
  has "$err" "DISPLAY" && has "$err" "WAYLAND_DISPLAY" ||
    fail "$1: the message names not DISPLAY and WAYLAND_DISPLAY: $err"
  echo "$1: status $status after $ms ms: $err"
}
run
check_no_display "no display"
free=99
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
start=$(date +%s%N)
env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=":$free" timeout 5 "$exe" >/dev/null 2>"$work/err"
status=$?
ms=$((($(date +%s%N) - start) / 1000000))
err="$(cat "$work/err")"
check_no_display "DISPLAY=:$free, not served"
has "$err" "DISPLAY=:$free" || fail "the message does not name DISPLAY=:$free: $err"

# A driver asked for by name is used: the offscreen one runs the game unseen.
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=offscreen "$exe" >/dev/null 2>&1 &
pid=$!
sleep 1
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null
else
  fail "SDL_VIDEODRIVER=offscreen: the game did not run"
fi

# No home: neither HOME nor the XDG folders, and a user the password database
# does not know (only root can start one). The game says once that it keeps
# nothing, plays, saves as it quits while walking, and writes nothing: not in
# the folder it was started from, nor anywhere else it may write.
if [ "$(id -u)" -eq 0 ]; then
  uid=4242
  while getent passwd "$uid" >/dev/null; do uid=$((uid + 1)); done
  mkdir -p "$work/nohome/here"
  cp "$(dirname "$exe")/mokimoki-scenario" "$work/nohome/"
  cp -r "$(dirname "$exe")/data" "$(dirname "$exe")/assets" "$work/nohome/"
  cp "$(dirname "$0")/scenarios/play_without_shot.scn" "$work/nohome/walk.scn"
  chmod -R a+rX "$work" && chmod 0777 "$work/nohome/here"
  (cd "$work/nohome/here" && env -u HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME \
    setpriv --reuid="$uid" --regid="$uid" --clear-groups timeout 60 ../mokimoki-scenario ../walk.scn \
    >"$work/out" 2>"$work/err")
  status=$?
  [ "$status" -eq 0 ] || fail "no home: status $status: $(head -3 "$work/err")"
  grep -q '"GameMode":1' "$work/out" || fail "no home: the party never walked the hall"
  told="$(grep -c 'no home folder' "$work/err")"
  [ "$told" -eq 1 ] || fail "no home: told $told times: $(cat "$work/err")"
  left="$(find "$work/nohome/here" -mindepth 1 | head -5)"
  [ -z "$left" ] || fail "no home: files written where the game was started: $left"
  echo "no home: $(grep 'no home folder' "$work/err")"
else
  echo "skipped: no home: only root can start a user that has no home"
fi

# --- Under a virtual X server -------------------------------------------------------
start_x() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/displayfd" >/dev/null 2>&1 &
  xserver=$!
  for _ in $(seq 100); do
    [ -s "$work/displayfd" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(cat "$work/displayfd")"
  : >"$work/displayfd"
}
stop_x() {
  kill "$xserver" 2>/dev/null
  wait "$xserver" 2>/dev/null
  xserver=""
}
# The top windows called 大会にモキモキ: the game's (of its class) and a box's.
windows() { xwininfo -root -tree 2>/dev/null | grep -F '"大会にモキモキ"'; }
box() { windows | grep -vF '"invalid.mokimoki.mokimoki"' | awk '{ print $1 }'; }
wait_for() {  # COMMAND...: up to 10 s until it prints something
  for _ in $(seq 100); do
    [ -n "$("$@")" ] && return 0
    sleep 0.1
  done
  return 1
}
ends_within() {  # PID SECONDS: sets status to the game's status, or "running"
  for _ in $(seq $(($2 * 10))); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    status=running
  else
    wait "$1"
    status=$?
  fi
}
alive() {  # PIDS...: those still running (not zombies)
  for p in "$@"; do
    state=$(ps -o stat= -p "$p" 2>/dev/null)
    [ -n "$state" ] && [ "${state:0:1}" != Z ] && echo "$p"
  done
}

unset WAYLAND_DISPLAY SDL_VIDEODRIVER
start_x
env -u LC_ALL LANG=ja_JP.UTF-8 "$exe" 2>"$work/err" &  # on a Japanese desktop
pid=$!
wait_for windows || fail "no game window under Xvfb"
stop_x
ends_within "$pid" 3
err="$(cat "$work/err")"
[ "$status" = 1 ] || fail "display gone: the game's status is $status, not 1"
has "$err" "display went away" && has "$err" "DISPLAY=$DISPLAY" ||
  fail "display gone: the message is: $err"
echo "display gone: status $status: $err"
[ "$status" = running ] && kill "$pid"

# A copy of the game with a damaged picture stops at start-up with a box.
mkdir "$work/game"
cp "$exe" "$work/game/"
cp -r "$(dirname "$exe")/data" "$(dirname "$exe")/assets" "$work/game/"
echo "not a picture" >"$work/game/assets/picball_0.png"
start_x
for way in SIGTERM close; do
  env -u LC_ALL LANG=ja_JP.UTF-8 "$work/game/mokimoki" 2>"$work/err" &
  pid=$!
  wait_for box || fail "$way: no box for the damaged picture"
  has "$(cat "$work/err")" "picball_0.png" || fail "$way: stderr: $(cat "$work/err")"
  has "$(cat "$work/err")" "The recording of this session, for a report: $XDG_STATE_HOME/mokimoki/sessions/session-" ||
    fail "$way: the message does not name the session's recording: $(cat "$work/err")"
  helpers=$(pgrep -P "$pid"; for c in $(pgrep -P "$pid"); do pgrep -P "$c"; done)
  if [ "$way" = SIGTERM ]; then
    kill -TERM "$pid"
    want=143
  else
    xdotool windowfocus "$(box)"
    xdotool key Return
    want=1
  fi
  ends_within "$pid" 3
  [ "$status" = "$want" ] || fail "$way: the game's status is $status, not $want"
  sleep 0.3
  [ -z "$(box)" ] || fail "$way: the box is still on the screen"
  left=$(alive $helpers)
  [ -z "$left" ] || fail "$way: processes of the box left running: $left"
  [ -n "$left" ] && kill $left
  [ "$status" = running ] && kill "$pid"
  echo "fatal error, $way: the game ended with status $status, the box with it"
done
stop_x

exit $((failures > 0))
