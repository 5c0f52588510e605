#!/usr/bin/env bash
# The game's window as docks and task switchers see it: its class is the
# StartupWMClass of the game's menu entry, and it carries the game's icon,
# 64 x 64, transparent in the corner and opaque in the middle.
#   tests/window_identity.sh WINDOW DESKTOP-FILE      (on the window's display)
set -uo pipefail
win="$1"
desktop="$2"
want="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
[ -n "$want" ] || { echo "FAIL: $desktop has no StartupWMClass"; exit 1; }
class="$(xprop -id "$win" WM_CLASS)"
[ "$class" = "WM_CLASS(STRING) = \"$want\", \"$want\"" ] || {
  echo "FAIL: the window's class is not $want: $class"
  exit 1
}
icon="$(xprop -id "$win" -notype 32c _NET_WM_ICON)"
read -r -a v <<<"$(tr ',' ' ' <<<"${icon#*=}")"
if [ "${#v[@]}" -ne $((2 + 64 * 64)) ] || [ "${v[0]}" != 64 ] || [ "${v[1]}" != 64 ]; then
  echo "FAIL: the window has no 64 x 64 icon: ${icon:0:80}"
  exit 1
fi
corner=$((v[2] >> 24)) middle=$((v[2 + 32 * 64 + 32] >> 24))
[ "$corner" -eq 0 ] && [ "$middle" -eq 255 ] || {
  echo "FAIL: the icon's corner has opacity $corner and its middle $middle"
  exit 1
}
echo "window $win: class $want, a 64 x 64 icon"
