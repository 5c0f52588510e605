#!/usr/bin/env bash
# The settings in the real game under a virtual X server (1280 x 1024, no
# window manager): a start and a quit write nothing; the player's resize is
# written once the drag has settled, and the next start opens at that size;
# F11 is remembered, and a start in full screen covers the screen until F11
# brings the window back at its size; the key screen (Alt+O, K) gives Up a
# new key, written at once; a bad file warns with its name and line, and a
# session that changes nothing leaves it as it was; a pipe in the settings'
# place neither holds the window back nor is lost.
# Usage: settings_test.sh GAME [FOLDER]  (FOLDER: where to keep screenshots)
set -uo pipefail
exe="$1"
# await_window, sourced by the shell inside the virtual X server.
export game_window="$(cd "$(dirname "$0")" && pwd)/game_window.sh"
shots="${2:-}"
export SDL_AUDIODRIVER=dummy
export LC_ALL=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Folders of its own: the test neither reads nor changes the player's
# settings, save or recordings (nor finds the save in use by a copy the player runs).
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
# -noreset: between two starts the server has no client, and a server that
# resets then can lose the next game's window while it connects.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
  source "$game_window"
  exe="$1" work="$2" shots="$3"
  file="$XDG_CONFIG_HOME/mokimoki/settings.ini"
  pid=""
  fail() { echo "FAIL: $*"; [ -n "$pid" ] && kill $pid 2>/dev/null; exit 1; }
  start() {
    env -u LC_ALL LANG=ja_JP.UTF-8 "$exe" 2>"$work/err" & pid=$!  # a Japanese desktop
    await_window
    [ -n "$win" ] || fail "no game window appeared (the game $(kill -0 $pid 2>/dev/null &&
      echo runs || echo ended): $(cat "$work/err"))"
    sleep 1
    xdotool mousemove --window "$win" 300 300
    xdotool windowfocus --sync "$win" 2>/dev/null || true
  }
  quit() {
    xdotool key alt+f; sleep 0.5; xdotool key x
    for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null && fail "the game did not quit on Alt+F, X"
    wait $pid || fail "the game ended with status $?"
    pid=""
  }
  geometry() { xdotool getwindowgeometry "$win" | sed -n "s/.*Geometry: //p"; }
  shot() { [ -n "$shots" ] && import -window root "$shots/$1.png"; }
  setting() { grep -qx "$1" "$file" || fail "the settings do not say \"$1\": $(cat "$file" 2>&1)"; }

  start
  [ "$(geometry)" = 608x468 ] || fail "first start at $(geometry), not 608x468"
  quit
  [ -e "$file" ] && fail "a start and a quit wrote the settings"
  echo "first start: 608x468, nothing written"

  start
  xdotool windowsize "$win" 1250 1000
  sleep 1.5
  setting "scale = 2"
  setting "fullscreen = false"
  quit
  start
  [ "$(geometry)" = 1216x936 ] || fail "second start at $(geometry), not 1216x936"
  shot reopened
  xdotool key F11; sleep 1.5
  setting "fullscreen = true"
  quit
  echo "resized to 1250x1000: scale 2 written; the next start opens at 1216x936"

  start
  [ "$(geometry)" = 1280x1024 ] || fail "a start in full screen at $(geometry)"
  xdotool key F11; sleep 1.5
  [ "$(geometry)" = 1216x936 ] || fail "F11 out of full screen gave $(geometry)"
  setting "fullscreen = false"
  echo "full screen remembered: opens at 1280x1024, F11 back to 1216x936"

  before=$(xwd -silent -id "$win" | tail -c +2000 | md5sum)
  xdotool key alt+o; sleep 0.5; xdotool key k; sleep 0.5
  [ "$(xwd -silent -id "$win" | tail -c +2000 | md5sum)" != "$before" ] || fail "no key screen"
  xdotool key Down; sleep 0.2; xdotool key space; sleep 0.2; xdotool key Down; sleep 0.3
  shot key_taken
  xdotool key w; sleep 0.5
  shot key_screen
  setting "up = W"
  setting "down = Down"
  xdotool key Escape; sleep 0.3
  quit
  echo "key screen: Down refused for up, W taken and written"

  printf "[window]\nscale = 1\nfullscreen = sometimes\n" > "$file"
  cp "$file" "$work/bad"
  start
  grep -q "settings.ini:3: fullscreen must be true or false" "$work/err" ||
    fail "no warning naming line 3: $(cat "$work/err")"
  [ "$(geometry)" = 608x468 ] || fail "the bad file'\''s good line was not used: $(geometry)"
  quit
  cmp -s "$file" "$work/bad" || fail "a session that changed nothing changed the bad file"
  [ -e "$file.bad" ] && fail "a .bad file without a write"
  echo "bad file: warned at line 3, scale 1 used, left as it was"

  # A pipe in its place holds nothing back, and stays.
  rm -f "$file" && mkfifo "$file"
  start
  grep -q "settings.ini: not a plain file: the settings cannot be read" "$work/err" ||
    fail "no warning for a pipe: $(cat "$work/err")"
  quit
  [ -p "$file" ] || fail "the pipe is gone"
  echo "a pipe as the settings: warned, the window opened, the pipe left where it was"
' _ "$exe" "$work" "$shots"
