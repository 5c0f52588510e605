#!/usr/bin/env bash
# Every way a data file or a picture can be wrong stops the game with one
# line naming the file and what is wrong, and a status that is not 0: no
# crash, no hang, no unbounded memory. The pictures and every data file are
# checked by the scenario runner at start-up, by their full paths; a room
# file and a battle file are also read by the game's loaders, called from the
# test program's loader test. Both programs are copied into a scratch folder
# so that the files beside them can be spoiled. Last, the runner installed
# as a package lays it out: a data folder it cannot read stops it naming the
# folder and why.
set -uo pipefail
bin="$1"
work="$(mktemp -d)"
trap 'chmod -R u+rwX "$work"; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cp "$bin/mokimoki-scenario" "$bin/moki_tests" "$work/"
cp -r "$bin/data" "$bin/assets" "$work/"
printf 'wait 100\nmenu start\nwait 100\n' > "$work/start.scn"
printf 'wait 100\n' > "$work/title.scn"
root=0
[ "$(id -u)" -eq 0 ] && root=1

# A PNG header that claims a picture of w x h, then the start of its pixels.
png_header() {
  local ihdr crc
  ihdr="$(printf '49484452%08x%08x0802000000' "$1" "$2")"
  crc="$(printf '%s' "$ihdr" | xxd -r -p | gzip -c | tail -c 8 | head -c 4 | od -An -tx1 |
    awk '{ print $4 $3 $2 $1 }')"
  printf '89504e470d0a1a0a0000000d%s%s0000000049444154' "$ihdr" "$crc" | xxd -r -p
  printf '\x35\xaf\x06\x1e'
}

# spoil FILE HOW: puts a bad FILE in place (HOW says which way).
spoil() {
  local f="$work/$1"
  rm -rf "$f"
  case "$2" in
    missing) ;;
    empty) : > "$f" ;;
    short) head -c $(($(stat -c %s "$bin/$1") / 2)) "$bin/$1" > "$f" ;;
    word) { printf 'banana,'; tail -c +3 "$bin/$1"; } > "$f" ;;
    range) { printf '25,'; tail -c +3 "$bin/$1"; } > "$f" ;;
    huge) : > "$f" && truncate -s 8G "$f" ;;
    folder) mkdir "$f" ;;
    pipe) mkfifo "$f" ;;
    locked) cp "$bin/$1" "$f" && chmod 000 "$f" ;;
    notpng) printf 'this is not a picture\n' > "$f" ;;
    giant) png_header 100000 100000 > "$f" ;;
  esac
}

restore() {
  rm -rf "$work/$1"
  cp "$bin/$1" "$work/$1"
}

# check FILE HOW EXPECTED COMMAND...: spoils FILE, runs COMMAND, wants a
# non-zero status that is no signal or timeout, and EXPECTED on stderr.
check() {
  local file="$1" how="$2" expected="$3"
  shift 3
  if [ "$how" = locked ] && [ $root = 1 ]; then
    echo "skipped: $file unreadable: running as root, which reads any file"
    return
  fi
  spoil "$file" "$how"
  timeout 60 "$@" >/dev/null 2>"$work/err.txt"
  local status=$?
  restore "$file"
  if [ $status -eq 0 ]; then
    fail "$file $how: exit status 0"
  elif [ $status -eq 124 ]; then
    fail "$file $how: still running after 60 s"
  elif [ $status -gt 128 ]; then
    fail "$file $how: killed by signal $((status - 128)): $(tail -3 "$work/err.txt")"
  elif ! grep -qF -- "$expected" "$work/err.txt"; then
    fail "$file $how: expected \"$expected\", got: $(head -c 300 "$work/err.txt")"
  else
    echo "ok: $file $how: $(grep -F -- "$expected" "$work/err.txt" | head -1)"
  fi
}

scenario=("$work/mokimoki-scenario" "$work/start.scn")
loaders=("$work/moki_tests" "--gtest_filter=DataFileLoaders.FillOnlyTheCellsTheFilesHold")

for f in data/rftmap.dat data/chk1.dat data/btl0.dat; do
  run=("${loaders[@]}")
  [ $f = data/rftmap.dat ] && run=("${scenario[@]}")
  check $f missing "$f: the file is missing" "${run[@]}"
  check $f empty "$f: the file is empty" "${run[@]}"
  check $f short "$f: expected " "${run[@]}"
  check $f word "$f: line 1, number 1: \"banana\" is not a number" "${run[@]}"
  check $f range "$f: line 1, number 1: value 25 is outside 0..19" "${run[@]}"
  check $f huge "$f: line 1, number 1: \"????????????????...\" is not a number" "${run[@]}"
  check $f folder "$f: this is a folder, not a file" "${run[@]}"
  check $f pipe "$f: this is not a plain file" "${run[@]}"
  check $f locked "$f: the file cannot be opened (Permission denied)" "${run[@]}"
done

# At start, before スタート: every data file, by its full path.
for f in data/rftmap.dat data/chk3.dat data/btl5.dat; do
  check $f missing "$work/$f: the file is missing" "$work/mokimoki-scenario" "$work/title.scn"
  check $f range "$work/$f: line 1, number 1: value 25 is outside 0..19" \
    "$work/mokimoki-scenario" "$work/title.scn"
done

p=assets/picmap_10.png
check $p missing "$p: the file is missing" "${scenario[@]}"
check $p empty "$p: cannot read PNG" "${scenario[@]}"
check $p short "$p: damaged PNG" "${scenario[@]}"
check $p notpng "$p: cannot read PNG" "${scenario[@]}"
check $p giant "$p: the picture is 100000 x 100000, larger than any picture of the game" \
  "${scenario[@]}"
check $p huge "$p: cannot read PNG" "${scenario[@]}"
check $p folder "$p: this is a folder, not a file" "${scenario[@]}"
check $p pipe "$p: this is not a plain file" "${scenario[@]}"
check $p locked "$p: the file cannot be opened (Permission denied)" "${scenario[@]}"

# Installed: the runner in PREFIX/bin, its files in PREFIX/share/games/mokimoki.
# A data folder that is not a folder, or that the player may not read, stops
# it at start naming that folder and why (as root, which reads any folder,
# the runner is started as a user that is nobody in the password database).
inst="$work/installed"
share="$inst/share/games/mokimoki"
mkdir -p "$inst/bin" "$share"
cp "$work/mokimoki-scenario" "$inst/bin/"
cp -r "$bin/data" "$bin/assets" "$share/"
chmod 0755 "$work" && chmod -R a+rX "$inst" "$work/title.scn"
as_player=()
if [ $root = 1 ]; then
  uid=4242
  while getent passwd "$uid" >/dev/null; do uid=$((uid + 1)); done
  as_player=(setpriv --reuid="$uid" --regid="$uid" --clear-groups)
fi
installed() {  # HOW EXPECTED: the installed runner's data folder spoiled that way
  local status
  "${as_player[@]}" timeout 60 "$inst/bin/mokimoki-scenario" "$work/title.scn" \
    >/dev/null 2>"$work/err.txt"
  status=$?
  if [ -z "$2" ]; then
    [ $status -eq 0 ] || fail "installed, $1: status $status: $(head -c 300 "$work/err.txt")"
  elif [ $status -ne 1 ] || ! grep -qF -- "$2" "$work/err.txt"; then
    fail "installed, $1: status $status, expected \"$2\", got: $(head -c 300 "$work/err.txt")"
  else
    echo "ok: installed, $1: $(head -1 "$work/err.txt")"
  fi
}
installed "as installed" ""
chmod 0000 "$share"
installed "folder locked" "cannot read the game's folder $share/data: Permission denied"
chmod 0755 "$share"
mv "$share/data" "$share/data.kept" && : >"$share/data"
installed "data a file" "cannot read the game's folder $share/data: not a folder"
rm "$share/data" && mv "$share/data.kept" "$share/data"
mv "$share" "$share.gone"
installed "no data" "the game's data folder is missing: there is no $inst/bin/data nor $share/data"

[ $failures -eq 0 ] || exit 1
echo "bad data: every case stops cleanly"
