#!/usr/bin/env bash
# The real game under a virtual X server: the window opens with its caption;
# F11 covers the screen or leaves the window alone, and a second F11 brings
# back the window and its picture exactly, on a bare X server and under a
# window manager (openbox, when it is installed); the menu opens with Alt+F,
# and 終了 chosen with X ends the game with status 0.
set -uo pipefail
exe="$1"
export SDL_AUDIODRIVER=dummy
export LC_ALL=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
# A settings folder of its own: the test neither reads nor changes the player's.
XDG_CONFIG_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
  exe="$1"
  fail() { echo "FAIL: $*"; kill $pid 2>/dev/null; [ -n "$wm" ] && kill $wm 2>/dev/null; exit 1; }
  start() {
    "$exe" & pid=$!
    win=""
    name=""
    # The window may exist a moment before its caption is set.
    for _ in $(seq 200); do
      win=$(xdotool search --classname mokimoki 2>/dev/null | head -1)
      [ -n "$win" ] && name=$(xdotool getwindowname "$win" 2>/dev/null)
      [ -n "$name" ] && break
      sleep 0.1
    done
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
  full_screen_and_back "bare X server"
  if command -v openbox >/dev/null; then
    kill $pid; wait $pid 2>/dev/null
    openbox >/dev/null 2>&1 & wm=$!
    sleep 1
    start
    full_screen_and_back "openbox"
  fi
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
' _ "$exe"
