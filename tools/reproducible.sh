#!/usr/bin/env bash
# Checks that the Debian packages build reproducibly: built twice from the
# same sources, in two folders of different names and depths, at different
# times, under another time zone, umask and locale, every .deb (the -dbgsym
# packages included) and the source package are the same byte for byte.
#   bash tools/reproducible.sh          builds both
#   bash tools/reproducible.sh DIR      takes DIR's packages, made by
#                                       "bash tools/package.sh --check" (as the
#                                       test command does), as the first build
# Both builds skip the tests (nocheck), as tools/package.sh --check does.
set -euo pipefail
cd "$(dirname "$0")/.."
version="$(dpkg-parsechangelog -S Version)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" DEB_BUILD_PROFILES=nocheck

build() {  # DIR UMASK TZ LOCALE: the packages, built into DIR so
  mkdir -p "$1"
  if ! (umask "$2" && MOKI_BUILD_DIR="$1" TZ="$3" LC_ALL="$4" bash tools/package.sh >/dev/null); then
    echo "reproducible: the build in $1 failed" >&2
    exit 1
  fi
}

first="${1:-}"
if [ -z "$first" ]; then
  first="$work/first"
  build "$first" 022 UTC C.UTF-8
fi
ls "$first"/mokimoki*_"$version"*.deb >/dev/null 2>&1 || {
  echo "reproducible: no packages of $version in $first" >&2
  exit 1
}
# The second build: a later time, a longer path, other settings.
second="$work/again/a/longer/path"
sleep 2
build "$second" 002 Asia/Tokyo C

status=0
count=0
for f in "$first"/mokimoki*_"$version"*.deb "$first/mokimoki_$version.dsc" \
  "$first/mokimoki_$version.tar.xz"; do
  name="$(basename "$f")"
  count=$((count + 1))
  if [ ! -e "$second/$name" ]; then
    echo "FAIL: the second build made no $name"
    status=1
  elif ! cmp -s "$f" "$second/$name"; then
    echo "FAIL: $name differs between the two builds"
    if command -v diffoscope >/dev/null; then
      diffoscope "$f" "$second/$name" | head -60
    fi
    status=1
  fi
done
[ $status -eq 0 ] || exit 1
echo "reproducible: $count files the same in $first and $second"
