# Sourced by the tests of the real window: await_window waits up to 20 s for
# the game's window with its caption set (it may exist a moment before), and
# leaves its id in $win (empty if none came) and its caption in $name.
await_window() {
  win=""
  name=""
  for _ in $(seq 200); do
    win=$(xdotool search --classname mokimoki 2>/dev/null | head -1)
    [ -n "$win" ] && name=$(xdotool getwindowname "$win" 2>/dev/null)
    [ -n "$name" ] && return 0
    sleep 0.1
  done
  return 0
}
