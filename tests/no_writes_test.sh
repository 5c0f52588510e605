#!/usr/bin/env bash
# The game writes nothing but its save and, when the player changes a
# setting, its settings: scenarios are played under strace, with an empty
# home and cache folder so that a font cache written on first use would
# show (but see the system's font cache below). A session that never comes to rest and changes no setting writes
# nothing at all: every file-system call that creates, writes, renames or
# removes something fails it. A session that quits while walking writes the
# save through a temporary file of its own (and makes the data folder), and nothing
# else. A settings file full of errors is read and left as it was by a game
# that changes nothing; a changed key writes only the settings, through a
# temporary file renamed over the old one, after keeping the old one as .bad.
# The runner's own `shot` is a write the scenarios do not use; a scenario
# with a shot is traced first to prove the check sees writes at all.
set -uo pipefail
runner="$(realpath "$1")"
scenarios="$(realpath "$2")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# LeakSanitizer cannot run under a tracer; leaks are checked by the other tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
command -v strace >/dev/null || { echo "FAIL: strace is not installed (tools/setup.sh installs it)"; exit 1; }

writes='O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_TMPFILE|(^|[^a-z_])(creat|rename|renameat2?|unlink|unlinkat|mkdir|mkdirat|rmdir|link|linkat|symlink|symlinkat|truncate|ftruncate|mknod|mknodat|chmod|fchmodat|chown|lchown|fchownat|utimensat|utimes|futimesat)\('

# A font cache of the system's that is out of date (in a fresh build chroot a
# font package may be set up after fontconfig's trigger has run) makes any
# program that uses fontconfig write a cache of the user's when it starts.
# fc-cache, run first by a user that is not root with a cache folder of its
# own, shows it: it writes there. Then, and only then, fontconfig's writes of
# its cache (into that folder, or tried in the system's) are not the game's;
# any other write still is. With the system's cache up to date the folder
# stays empty and even a font cache written fails the test.
fonts="$work/fonts"
mkdir -p "$fonts"
fontconfig_cache='^$'
if [ "$(id -u)" -ne 0 ] && command -v fc-cache >/dev/null; then
  HOME="$fonts" XDG_CACHE_HOME="$fonts" fc-cache >/dev/null 2>&1
  if [ -n "$(ls -A "$fonts")" ]; then
    echo "the system's font cache is out of date: fontconfig's own writes of its cache are left out"
    fontconfig_cache="\"(/var/cache/fontconfig|$fonts/fontconfig)[/\"]|fcntl\\([0-9]+, F_GETFL\\)"
  fi
fi

settings="$work/home/.config/mokimoki/settings.ini"
# trace SCENARIO [SETTINGS]: plays it in a fresh home (with SETTINGS as the
# settings file); the lines that write go to stdout.
trace() {
  rm -rf "$work/home" "$work/run" && mkdir -p "$work/home" "$work/run"
  if [ $# -ge 2 ]; then
    mkdir -p "$(dirname "$settings")" && printf '%s' "$2" > "$settings"
  fi
  (cd "$work/run" &&
    HOME="$work/home" XDG_CACHE_HOME="$fonts" XDG_CONFIG_HOME="$work/home/.config" \
      XDG_DATA_HOME="$work/home/.local/share" \
      strace -f -qq -e trace=%file,%desc -o "$work/trace" "$runner" "$1" >/dev/null 2>"$work/err")
  local status=$?
  [ $status -eq 0 ] || { echo "FAIL: $1 exited $status: $(head -3 "$work/err")"; exit 1; }
  grep -E "$writes" "$work/trace" | grep -v -- '= -1 ENOENT\|resumed>' | grep -vE "$fontconfig_cache" || true
}

printf 'wait 100\nshot seen.png\n' > "$work/shot.scn"
found="$(trace "$work/shot.scn")" || { echo "$found"; exit 1; }
grep -q 'seen\.png' <<<"$found" ||
  { echo "FAIL: the tracer did not see the runner's own shot being written"; exit 1; }

found="$(trace "$scenarios/quit_on_status_screen.scn")" || { echo "$found"; exit 1; }
if [ -n "$found" ]; then
  echo "FAIL: the game wrote to the file system without coming to rest:"
  printf '%s\n' "$found" | head -20
  exit 1
fi
leftover="$(find "$work/home" "$work/run" -mindepth 1 | head -5)"
[ -z "$leftover" ] || { echo "FAIL: files left behind: $leftover"; exit 1; }
echo "no writes: $(grep -c . "$work/trace") traced calls, none writes"

# Quitting while walking saves: the data folder is made, the save written to
# its temporary file and renamed over save.json.
found="$(trace "$scenarios/play_without_shot.scn")" || { echo "$found"; exit 1; }
data="$work/home/.local/share/mokimoki"
tmp='[0-9]+-[0-9]+\.tmp'  # each write's own temporary file: the process and a number
allowed="mkdir(at)?\\((AT_FDCWD, )?\"($work/home/\\.local|$work/home/\\.local/share|$data)\"|open(at)?\\((AT_FDCWD, )?\"$data/save\\.json\\.$tmp\"|rename(at2?)?\\((AT_FDCWD, )?\"$data/save\\.json\\.$tmp\", (AT_FDCWD, )?\"$data/save\\.json\""
other="$(grep -vE "$allowed" <<<"$found" || true)"
if [ -n "$other" ]; then
  echo "FAIL: the game wrote something besides its save:"
  printf '%s\n' "$other" | head -20
  exit 1
fi
grep -qE "rename(at2?)?\\(.*save\\.json\\.$tmp" <<<"$found" ||
  { echo "FAIL: quitting while walking did not write the save"; exit 1; }
grep -q '"version": 1' "$data/save.json" || { echo "FAIL: the save has no version"; exit 1; }
leftover="$(find "$work/home" "$work/run" -mindepth 1 -type f | grep -v "^$data/save\\.json$" | head -5)"
[ -z "$leftover" ] || { echo "FAIL: files left besides the save: $leftover"; exit 1; }
echo "save only: $(grep -c . <<<"$found") writing calls, all for the save"


bad=$'[window]\nscale = 40\n[keys]\nup = Banana\nnonsense\n'
{ echo "settings $settings"; grep -v '^seed\|^#' "$scenarios/play_without_shot.scn"; } > "$work/bad.scn"
found="$(trace "$work/bad.scn" "$bad")" || { echo "$found"; exit 1; }
found="$(grep -vE "$allowed" <<<"$found" || true)"  # it quits while walking: the save is written
if [ -n "$found" ]; then
  echo "FAIL: the game wrote with a bad settings file and no change:"
  printf '%s\n' "$found" | head -20
  exit 1
fi
grep -q "settings.ini\", O_RDONLY" "$work/trace" || { echo "FAIL: the settings file was not read"; exit 1; }
[ "$(cat "$settings")" = "$(printf '%s' "$bad")" ] || { echo "FAIL: the bad settings file changed"; exit 1; }
grep -q 'settings.ini:4: ' "$work/err" || { echo "FAIL: no warning for line 4: $(cat "$work/err")"; exit 1; }

printf 'settings %s\nwait 100\nmenu keys\npress space\npresskey A\npress esc\nwait 100\n' \
  "$settings" > "$work/change.scn"
found="$(trace "$work/change.scn" "$bad")" || { echo "$found"; exit 1; }
others="$(grep -v 'settings\.ini' <<<"$found")"
[ -z "$others" ] || { echo "FAIL: a changed key wrote more than the settings:"; echo "$others"; exit 1; }
grep -qE 'rename(at2)?\((AT_FDCWD, )?".*settings\.ini", (AT_FDCWD, )?".*settings\.ini\.bad"(, RENAME_NOREPLACE)?\) = 0' \
  <<<"$found" ||
  { echo "FAIL: the bad settings file was not kept as .bad: $found"; exit 1; }
grep -qE "rename\\(\".*settings\\.ini\\.$tmp\", \".*settings\\.ini\"\\) = 0" <<<"$found" ||
  { echo "FAIL: the settings were not written through a temporary file: $found"; exit 1; }
grep -q '^left = A$' "$settings" || { echo "FAIL: the changed key is not in the file"; exit 1; }
echo "settings: a bad settings file left alone; a changed key written through" \
  "a temporary file of its own after keeping settings.ini.bad"
