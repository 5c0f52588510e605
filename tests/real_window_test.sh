#!/usr/bin/env bash
# The real game under a virtual X server: the window opens with its caption;
# F11 covers the screen or leaves the window alone, and a second F11 brings
# back the window and its picture exactly, on a bare X server and under a
# window manager (openbox, when it is installed); a cursor key held past the
# keyboard's auto-repeat delay stops the hero at the end of the step in
# progress when it is let go; the menu opens with Alt+F, and 終了 chosen with
# X ends the game with status 0. Then, on a 1280 x 800 screen with a
# controller made in software (MOKI_TEST_PAD): full screen shows the picture
# at 1x with whole multiples and 800 high, centred, with `fit` chosen from
# the menu by the controller; the controller alone starts a game, quits at
# rest, and continues it at the next start. That controller is in a game
# built with MOKI_TEST_HOOKS only: the second argument, test-pad, says so.
set -uo pipefail
exe="$1"
# await_window, sourced by the shell inside the virtual X server.
export game_window="$(cd "$(dirname "$0")" && pwd)/game_window.sh"
testPad="${2:-}"
export SDL_AUDIODRIVER=dummy
export LC_ALL=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
command -v python3 >/dev/null || { echo "FAIL: python3 is needed to read the window's shots"; exit 1; }
shots="$(mktemp -d)"
# A settings folder of its own: the test neither reads nor changes the player's.
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME
export XDG_STATE_HOME="$XDG_CONFIG_HOME/state"  # the sessions' recordings
trap 'rm -rf "$shots" "$XDG_CONFIG_HOME"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
  source "$game_window"
  exe="$1"
  shots="$2"
  here="$3"
  fail() { echo "FAIL: $*"; kill $pid 2>/dev/null; [ -n "$wm" ] && kill $wm 2>/dev/null; exit 1; }
  start() {
    env -u LC_ALL LANG=ja_JP.UTF-8 "$exe" & pid=$!  # the game follows the desktop: a Japanese one
    await_window
    [ -n "$win" ] || fail "no game window appeared"
    [ "$name" = "大会にモキモキ" ] || fail "caption is \"$name\""
    sleep 1
    xdotool mousemove --window "$win" 300 300
    xdotool windowfocus --sync "$win" 2>/dev/null || true
  }
  geometry() { xdotool getwindowgeometry "$win" | sed -n "s/.*Geometry: //p"; }
  picture() { xwd -silent -id "$win" | tail -c +2000 | md5sum; }  # pixels, past the header
  full_screen_and_back() {  # $1: what runs the window
    local size0 pic0 size1 size2 pic2
    size0=$(geometry); pic0=$(picture)
    xdotool key F11; sleep 1.5
    size1=$(geometry)
    [ "$size1" = "1280x1024" ] || [ "$size1" = "$size0" ] ||
      fail "$1: F11 left the window at $size1 (was $size0)"
    xdotool key F11; sleep 1.5
    size2=$(geometry); pic2=$(picture)
    [ "$size2" = "$size0" ] || fail "$1: after a second F11 the window is $size2, not $size0"
    [ "$pic2" = "$pic0" ] || fail "$1: after a second F11 the picture differs"
    echo "$1: F11 $size0 -> $size1, again -> $size2, same picture"
  }

  wm=""
  start
  echo "window $win: caption \"$name\""
  "$here/window_identity.sh" "$win" "$here/../packaging/invalid.mokimoki.mokimoki.desktop" ||
    fail "the window does not name itself for the desktop"
  full_screen_and_back "bare X server"
  if command -v openbox >/dev/null; then
    kill $pid; wait $pid 2>/dev/null
    openbox >/dev/null 2>&1 & wm=$!
    sleep 1
    start
    full_screen_and_back "openbox"
  fi
  # A new game; the opening answered and closed, the party walks in.
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  xdotool key alt+f; sleep 0.5; xdotool key s
  sleep 7; xdotool key space; sleep 2.5; xdotool key space; sleep 2
  xwd -silent -id "$win" > "$shots/hall.xwd"
  python3 - "$shots/hall.xwd" <<"PY" || fail "the opening talk did not close"
import struct, sys
d = open(sys.argv[1], "rb").read()
h = struct.unpack(">25I", d[:100])
px = d[h[0] + h[19] * 12:]
at = (20 + 360) * h[12] + 4 * 63  # the frame of the message window
sys.exit(1 if px[at:at + 3] in (bytes([70, 44, 40]), bytes([40, 44, 70])) else 0)
PY
  # Up held 1.1 s with the keyboard repeating it, the window shot over and
  # over meanwhile and for a second after the key-up. The shots are close
  # enough for the scroll between two of them to be told (under half a
  # cell). From the key-up the hall may scroll by what is left of the step
  # in progress, at most a cell, and no more.
  command -v xset >/dev/null && { xset r on; xset r rate 500 30; }
  burst() {  # $1: milliseconds, $2: name of the shots
    local t0=$(date +%s%N) n=0
    while (( ($(date +%s%N) - t0) / 1000000 < $1 )); do
      xwd -silent -id "$win" > "$shots/$2_$(printf %03d $n).xwd"; n=$((n + 1))
    done
  }
  measure() {
    python3 - "$shots" <<"PY"
import glob, struct, sys
def load(p):
    d = open(p, "rb").read()
    h = struct.unpack(">25I", d[:100])
    return h[4], h[5], h[12], d[h[0] + h[19] * 12:]
def shift(a, b):  # how far the hall moved down from shot a to shot b
    w, hgt, bpl, pa = a
    pb = b[3]
    xs = [x for x in range(0, w, 4) if not 224 <= x < 384]  # away from the party
    best, at = -1.0, 0
    for dy in range(0, 16):
        same = total = 0
        for y in range(dy + 24, hgt, 4):
            ra, rb = (y - dy) * bpl, y * bpl
            for x in xs:
                total += 1
                same += pa[ra + 4 * x:ra + 4 * x + 3] == pb[rb + 4 * x:rb + 4 * x + 3]
        if same / total > best:
            best, at = same / total, dy
    return at
def scrolled(name):
    shots = [load(f) for f in sorted(glob.glob(sys.argv[1] + "/" + name + "_*.xwd"))]
    return sum(shift(a, b) for a, b in zip(shots, shots[1:]))
print(scrolled("held"), scrolled("after"))
PY
  }
  # Someone of the hall may stand in the way: then the hero walks on and
  # tries again, up to three times (the floor above him is free for twelve cells).
  for attempt in 1 2 3; do
    rm -f "$shots"/held_* "$shots"/after_*
    xdotool keydown Up; burst 1100 held; xdotool keyup Up; burst 1000 after
    read -r walked after < <(measure)
    [ -n "$walked" ] || fail "the shots of the walk could not be read"
    [ "$walked" -ge 64 ] && break
  done
  [ "$walked" -ge 64 ] || fail "holding Up scrolled the hall by only $walked pixels"
  [ "$after" -le 32 ] || fail "after the key-up the hall scrolled on by $after pixels: one step too many"
  echo "Up held 1.1 s: the hall scrolled $walked pixels, then $after after the key-up"

  xdotool key alt+f
  sleep 0.5
  xdotool key x
  for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  kill -0 $pid 2>/dev/null && fail "the game did not quit on Alt+F, X"
  wait $pid; status=$?
  [ -n "$wm" ] && kill $wm
  echo "exit status $status"
  exit $status
' _ "$exe" "$shots" "$(dirname "$0")" || exit 1

if [ "$testPad" != test-pad ]; then
  echo "no controller made in software in this build (MOKI_TEST_HOOKS is off): its part is left out"
  exit 0
fi
export XDG_DATA_HOME="$XDG_CONFIG_HOME/data"
mkdir -p "$XDG_CONFIG_HOME/mokimoki"
printf "[window]\nfullscreen = true\n" > "$XDG_CONFIG_HOME/mokimoki/settings.ini"
mkfifo "$shots/pad"
xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash -c '
  exe="$1"
  shots="$2"
  fail() { echo "FAIL: $*"; kill $pid 2>/dev/null; exit 1; }
  start() {
    MOKI_TEST_PAD="$shots/pad" env -u LC_ALL LANG=ja_JP.UTF-8 "$exe" & pid=$!  # a Japanese desktop
    sleep 2
    kill -0 $pid 2>/dev/null || fail "the game did not start"
  }
  pad() {  # presses and lets go of each button named
    for b in "$@"; do
      timeout 5 sh -c "echo down $b > $shots/pad; sleep 0.15; echo up $b > $shots/pad" ||
        { kill -0 $pid 2>/dev/null || wait $pid; fail "the controller could not press $b (the game: status $?)"; }
      sleep 0.35
    done
  }
  last() {  # presses a button that ends the game: its release may find no reader
    timeout 5 sh -c "echo down $1 > $shots/pad" || fail "the controller could not press $1"
    timeout 2 sh -c "sleep 0.15; echo up $1 > $shots/pad" || true
  }
  box() {  # the picture on the screen: left top width height (what is not black)
    xwd -silent -root > "$shots/$1.xwd"
    python3 - "$shots/$1.xwd" <<"PY"
import struct, sys
d = open(sys.argv[1], "rb").read()
h = struct.unpack(">25I", d[:100])
w, hgt, bpl, px = h[4], h[5], h[12], d[h[0] + h[19] * 12:]
xs, ys = [], []
for y in range(hgt):
    row = px[y * bpl:y * bpl + 4 * w]
    lit = [x for x in range(0, w, 2) if row[4 * x] or row[4 * x + 1] or row[4 * x + 2]]
    if lit:
        ys.append(y)
        xs += [lit[0], lit[-1]]
        for x in (lit[0] - 1, lit[-1] + 1):
            if 0 <= x < w and (row[4 * x] or row[4 * x + 1] or row[4 * x + 2]):
                xs.append(x)
print(min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)
PY
  }
  start
  read -r x y w h < <(box whole)
  [ "$w $h" = "608 448" ] && [ "$x $y" = "336 176" ] ||
    fail "full screen with whole multiples shows the picture $w x $h at $x,$y, not 608 x 448 at 336,176"
  echo "whole, full screen: the picture $w x $h at $x,$y"
  # Back, to 設定, past the greyed 日本語, every other language and the greyed
  # 整数倍 to 画面に合わせて, A: a Down for each language of the build.
  languages=$("$exe" --help | grep -o -- "--lang [a-zA-Z_|]*" | tr "|" "\n" | wc -l)
  pad back dpright $(yes dpdown | head -n "$languages") a
  sleep 0.5
  read -r x y w h < <(box fit)
  right=$((1280 - x - w))
  [ "$h" = 800 ] && [ "$y" = 0 ] && [ "$w" -ge 1084 ] && [ "$w" -le 1088 ] &&
    [ $((x - right)) -ge -1 ] && [ $((x - right)) -le 1 ] ||
    fail "fit, full screen: the picture is $w x $h at $x,$y ($right to the right), not 1086 x 800 centred"
  grep -q "^scaling = fit" "$XDG_CONFIG_HOME/mokimoki/settings.ini" || fail "fit was not remembered"
  echo "fit, full screen: the picture $w x $h at $x,$y, $right to the right"
  # A new game with Start and A; the opening read with A (its one page, はい,
  # and the answer), no more: a press more would talk to whoever has
  # wandered in front of the hero, and quitting in a talk keeps no save.
  pad start a
  sleep 6
  pad a
  sleep 2
  pad a
  sleep 2
  pad back
  last a
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && fail "the game did not quit on Back, A"
  wait $pid || fail "the game quit with status $?"
  [ -f "$XDG_DATA_HOME/mokimoki/save.json" ] || fail "quitting in the hall saved nothing"
  # The next start continues: Start, Down to つづきから, A.
  start
  pad start dpdown a
  sleep 2
  xwd -silent -root > "$shots/continued.xwd"
  cmp -s <(tail -c +2000 "$shots/fit.xwd") <(tail -c +2000 "$shots/continued.xwd") &&
    fail "つづきから left the title on the screen"
  pad back
  last a
  for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && fail "the game did not quit the second time"
  wait $pid; status=$?
  echo "the controller alone: a new game saved at rest, quit, continued; exit status $status"
  exit $status
' _ "$exe" "$shots"
