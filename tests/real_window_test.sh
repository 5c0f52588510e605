#!/usr/bin/env bash
# The real game under a virtual X server: the window opens with its caption,
# the menu opens with Alt+F, and 終了 chosen with X ends the game with status 0.
set -uo pipefail
exe="$1"
export SDL_AUDIODRIVER=dummy
export LC_ALL=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  exe="$1"
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
  if [ -z "$win" ]; then echo "FAIL: no game window appeared"; kill $pid; exit 1; fi
  if [ "$name" != "大会にモキモキ" ]; then echo "FAIL: caption is \"$name\""; kill $pid; exit 1; fi
  echo "window $win: caption \"$name\""
  sleep 1
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  xdotool key alt+f
  sleep 0.5
  xdotool key x
  for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $pid 2>/dev/null; then echo "FAIL: the game did not quit on Alt+F, X"; kill $pid; exit 1; fi
  wait $pid; status=$?
  echo "exit status $status"
  exit $status
' _ "$exe"
