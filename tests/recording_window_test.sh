#!/usr/bin/env bash
# A session recorded in the real window under a virtual X server: スタート from
# the menu, the opening read with Space taps, walks with held and tapped
# cursor keys, the Ctrl pause, then the game told to stop (as when its
# terminal or session ends), which writes the recording. Played back headless
# twice, it reaches the recorded final state both times, with the same final
# state; played back in the real window, too. The same file with one byte
# changed in the middle is refused.
#   recording_window_test.sh BIN_DIR
set -uo pipefail
bin="$1"
export SDL_AUDIODRIVER=dummy
export LC_ALL=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Folders of its own for settings and saves: the player's are neither read nor changed.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  bin="$1"; work="$2"
  fail() { echo "FAIL: $*"; kill $pid 2>/dev/null; exit 1; }
  window() {
    win=""
    for _ in $(seq 200); do
      win=$(xdotool search --classname mokimoki 2>/dev/null | head -1)
      [ -n "$win" ] && [ -n "$(xdotool getwindowname "$win" 2>/dev/null)" ] && break
      sleep 0.1
    done
    [ -n "$win" ] || fail "no game window appeared"
    sleep 1
    xdotool mousemove --window "$win" 300 300
  }
  hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }

  "$bin/mokimoki" --record "$work/session.rec" 2>"$work/record.err" & pid=$!
  window
  xdotool key alt+f; sleep 0.4; xdotool key s
  # Space while the message window is up: the opening is read to its end,
  # however slowly the machine types it.
  talking() {
    xwd -silent -id "$win" > "$work/shot.xwd"
    python3 - "$work/shot.xwd" <<"PY"
import struct, sys
d = open(sys.argv[1], "rb").read()
h = struct.unpack(">25I", d[:100])
px = d[h[0] + h[19] * 12:]
at = (20 + 360) * h[12] + 4 * 63  # the frame of the message window
sys.exit(0 if px[at:at + 3] in (bytes([70, 44, 40]), bytes([40, 44, 70])) else 1)
PY
  }
  sleep 1.5
  talking || fail "the opening did not begin"
  for _ in $(seq 150); do talking || break; xdotool key space; sleep 0.3; done
  talking && fail "the opening talk did not close"
  sleep 1
  hold Left 1.0
  xdotool key Up; sleep 0.3; xdotool key Up; sleep 0.3
  hold Right 0.6
  xdotool key Control_L; sleep 0.8; xdotool key Control_L
  hold Down 0.4
  sleep 0.5
  kill -TERM $pid
  wait $pid; status=$?
  [ $status -eq 0 ] || fail "the recording game ended with status $status"
  grep -q "recording written" "$work/record.err" || fail "no recording written: $(cat "$work/record.err")"
  size=$(stat -c %s "$work/session.rec")
  echo "recorded $size bytes"

  for run in 1 2; do
    "$bin/mokimoki-scenario" --replay "$work/session.rec" >"$work/replay$run.json" 2>"$work/replay$run.err"
    status=$?
    cat "$work/replay$run.err"
    [ $status -eq 0 ] || fail "headless replay $run ended with status $status"
    grep -q "reached the recorded end" "$work/replay$run.err" || fail "replay $run: no verdict"
  done
  cmp -s "$work/replay1.json" "$work/replay2.json" || fail "the two replays ended in different states"
  # The session was played: the hall, after the opening, with the entrance closed.
  grep -q "\"GameMode\":1" "$work/replay1.json" || fail "the replay did not reach the hall"
  grep -q "\"motivated\":1" "$work/replay1.json" || fail "the replay did not answer the opening"
  grep -o "\"player[XY]\":[0-9]*" "$work/replay1.json" | tr "\n" " "; echo
  grep -q "\"playerX\":19,\"playerY\":31," "$work/replay1.json" &&
    fail "the hero never left where the opening put him"

  "$bin/mokimoki" --play "$work/session.rec" 2>"$work/play.err" & pid=$!
  window
  for _ in $(seq 600); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  wait $pid; status=$?
  cat "$work/play.err"
  [ $status -eq 0 ] || fail "playback in the window ended with status $status"

  # One byte changed in the middle: refused with a message, not a crash.
  cp "$work/session.rec" "$work/damaged.rec"
  middle=$((size / 2))
  byte=$(od -An -tu1 -j "$middle" -N1 "$work/session.rec" | tr -d " ")
  printf "$(printf "\\\\%03o" $(( (byte + 1) % 256 )))" |
    dd of="$work/damaged.rec" bs=1 seek="$middle" conv=notrunc status=none
  cmp -s "$work/session.rec" "$work/damaged.rec" && fail "the byte was not changed"
  "$bin/mokimoki-scenario" --replay "$work/damaged.rec" >/dev/null 2>"$work/damaged.err"
  status=$?
  cat "$work/damaged.err"
  [ $status -eq 2 ] || fail "the damaged recording gave status $status"
  grep -q "damaged" "$work/damaged.err" || fail "no clear message for the damaged recording"

  # Killed before its first seconds were written: the recording holds
  # nothing, and says so.
  "$bin/mokimoki" --record "$work/killed.rec" 2>/dev/null & pid=$!
  window
  kill -KILL $pid; wait $pid 2>/dev/null
  "$bin/mokimoki-scenario" --replay "$work/killed.rec" >/dev/null 2>"$work/killed.err"
  status=$?
  cat "$work/killed.err"
  [ $status -eq 2 ] || fail "the recording of a killed game gave status $status"
  grep -q "holds nothing" "$work/killed.err" || fail "no word that the recording holds nothing"

  # The display goes away in the middle of a game: the recording so far is
  # written, and plays back to where it stops.
  Xvfb -displayfd 8 -screen 0 1280x1024x24 8>"$work/display" 2>/dev/null & xpid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  lost=":$(cat "$work/display")"
  DISPLAY=$lost "$bin/mokimoki" --record "$work/lost.rec" 2>"$work/lost.err" & pid=$!
  sleep 3
  DISPLAY=$lost xdotool key alt+f; sleep 0.4; DISPLAY=$lost xdotool key s; sleep 3
  kill $xpid; wait $xpid 2>/dev/null
  wait $pid; status=$?
  cat "$work/lost.err"
  [ $status -eq 1 ] || fail "the game whose display went away ended with status $status"
  grep -q "display went away" "$work/lost.err" || fail "no word of the display going away"
  "$bin/mokimoki-scenario" --replay "$work/lost.rec" >/dev/null 2>"$work/lost-replay.err"
  status=$?
  cat "$work/lost-replay.err"
  [ $status -eq 0 ] || fail "the recording of a lost display gave status $status"
  grep -q "the display went away" "$work/lost-replay.err" || fail "the replay did not say where it stops"
  echo "ok"
' _ "$bin" "$work"
