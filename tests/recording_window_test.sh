#!/usr/bin/env bash
# A session recorded in the real window under a virtual X server: スタート from
# the menu, the opening read with Space taps, walks with held and tapped
# cursor keys, the Ctrl pause, then the game told to stop (as when its
# terminal or session ends), which writes the recording. Played back headless
# twice, it reaches the recorded final state both times, with the same final
# state; played back in the real window, too. The same file with one byte
# changed in the middle is refused. Every session without --record is
# recorded too: one killed outright in the middle of a match is told at the
# next start, in a box naming its recording, which plays back to where it was
# killed (with MOKI_OTHER_BIN set, a second build, say the sanitizers', plays
# it to the same state).
#   recording_window_test.sh BIN_DIR
set -uo pipefail
bin="$1"
# await_window, sourced by the shell inside the virtual X server.
export game_window="$(cd "$(dirname "$0")" && pwd)/game_window.sh"
export SDL_AUDIODRIVER=dummy
export LC_ALL=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Folders of its own for settings and saves: the player's are neither read nor changed.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
# -noreset: a server left without clients (the game just killed) would reset,
# and refuse the next start's window while it does.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
  source "$game_window"
  bin="$1"; work="$2"
  fail() { echo "FAIL: $*"; kill $pid 2>/dev/null; exit 1; }
  window() {
    await_window
    [ -n "$win" ] || fail "no game window appeared: $(tail -n 3 "$work"/session.err "$work"/next.err 2>&1; ls -la "$XDG_STATE_HOME"/mokimoki/sessions 2>&1; ps -o pid,stat,args -p $pid)"
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

  # A season saved at the receptionist'"'"'s counter, made headless.
  { printf "seed 7\nmenu start\nwait 3000\n"; for _ in 1 2 3 4; do printf "press space\nwait 2000\n"; done
    echo "menu quit"; } >"$work/opening.scn"
  export XDG_DATA_HOME="$work/counter"
  "$bin/mokimoki-scenario" "$work/opening.scn" >/dev/null 2>&1 || fail "no season saved to continue"
  python3 - "$XDG_DATA_HOME/mokimoki/save.json" <<"PY"
import json, sys
d = json.load(open(sys.argv[1]))
d.update(playerX=20, playerY=10, playerFacing=1, partnerX=20, partnerY=11)
json.dump(d, open(sys.argv[1], "w"))
PY
  # つづきから, talk to the receptionist and say yes to all: a match. Killed
  # in its middle, the session leaves its mark.
  sessions="$XDG_STATE_HOME/mokimoki/sessions"
  "$bin/mokimoki" 2>"$work/session.err" & pid=$!
  window
  xdotool key alt+f; sleep 0.4; xdotool key c; sleep 1
  for _ in $(seq 40); do xdotool key space; sleep 0.4; done
  sleep 7
  kill -KILL $pid; wait $pid 2>/dev/null
  killed=$(ls "$sessions"/session-*.rec | tail -1)
  [ -e "$killed.running" ] || fail "the killed session left no mark: $(ls "$sessions")"
  # The next start says so, once, in a box that names the recording.
  "$bin/mokimoki" 2>"$work/next.err" & pid=$!
  window
  sleep 1
  [ -e "$killed.running" ] && fail "the mark outlived the next start"
  xdotool key Return; sleep 0.5
  kill -TERM $pid; wait $pid
  next=$(ls "$sessions"/session-*.rec | tail -1)
  [ "$next" != "$killed" ] || fail "the next start recorded no session of its own"
  "$bin/mokimoki-scenario" --replay "$next" >"$work/next.json" 2>"$work/next-replay.err" ||
    fail "the next session did not play back: $(cat "$work/next-replay.err")"
  grep -qF "\"lastMessageBox\":{\"text\":\"The last session of the game did not end" "$work/next.json" &&
    grep -qF "$killed" "$work/next.json" || fail "no box at the next start naming $killed"
  # The killed session plays to where it stopped: in the match.
  n=0
  for run in "$bin" ${MOKI_OTHER_BIN:-}; do
    n=$((n + 1))
    "$run/mokimoki-scenario" --replay "$killed" >"$work/killed$n.json" 2>"$work/killed-replay.err"
    status=$?
    cat "$work/killed-replay.err"
    [ $status -eq 0 ] || fail "the killed session'"'"'s replay ($run) ended with status $status"
    grep -q "cut short there" "$work/killed-replay.err" || fail "the replay did not say where it stops"
    grep -q "\"GameMode\":4" "$work/killed$n.json" || fail "the killed session was not in a match"
    echo "killed session, played by $run: state $(sha256sum <"$work/killed$n.json" | cut -c1-16)"
  done
  [ $n -eq 1 ] || cmp -s "$work/killed1.json" "$work/killed2.json" ||
    fail "the two builds played the killed session to different states"
  echo "ok"
' _ "$bin" "$work"
