#!/usr/bin/env bash
# Builds the Debian package of the game and prints its path:
#   bash tools/package.sh           build/mokimoki_<version>_amd64.deb
#   bash tools/package.sh --check   the same, then checks it: its file list,
#                                   lintian, desktop-file-validate, appstreamcli,
#                                   and the game and the scenario runner run from
#                                   the package unpacked into a scratch root.
# It builds the game in build/ as players get it (Release); the test command
# has built it there already, so only the packaging is left to do.
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
case "${1:-}" in
  "") ;;
  --check) check=1 ;;
  *)
    echo "usage: bash tools/package.sh [--check]" >&2
    exit 2
    ;;
esac
build="${MOKI_BUILD_DIR:-build}"
maintainer="${MOKI_MAINTAINER:-大会にモキモキ maintainers <mokimoki@example.org>}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target mokimoki mokimoki-scenario >/dev/null
version="$(sed -n 's/^#define MOKI_VERSION "\(.*\)"$/\1/p' "$build/generated/app/version.h")"
[ -n "$version" ] || { echo "package.sh: no version in $build/generated/app/version.h" >&2; exit 1; }
arch="$(dpkg --print-architecture)"
deb="$build/mokimoki_${version}_${arch}.deb"

# The tree of the package: what cmake installs, then the Debian files.
root="$build/package-root"
rm -rf "$root"
DESTDIR="$PWD/$root" cmake --install "$build" --prefix /usr --strip >/dev/null
python3 packaging/make_icons.py assets/icon.png "$root/usr/share/icons/hicolor"
gzip -9n "$root"/usr/share/man/man6/*.6
doc="$root/usr/share/doc/mokimoki"
mkdir -p "$doc"
{
  echo "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
  echo "Upstream-Name: mokimoki"
  echo
  echo "Files: *"
  echo "Copyright: 2026 the 大会にモキモキ developers"
  echo "License: Expat"
  echo
  echo "License: Expat"
  # The licence's text, each line indented, a blank line as " ."
  sed -n '/^Permission/,$p' LICENSE | sed -e 's/^$/./' -e 's/^/ /'
} >"$doc/copyright"
{
  echo "mokimoki ($version) unstable; urgency=medium"
  echo
  echo "  * Release $version."
  echo
  echo " -- $maintainer  $(date -R -d "@$(git log -1 --format=%ct 2>/dev/null || date +%s)")"
} | gzip -9n >"$doc/changelog.gz"
find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod 0644 {} +
chmod 0755 "$root"/usr/games/*

# Run-time dependencies: the libraries the programs link, as dpkg-shlibdeps
# finds them, and the Japanese font the game looks for.
shlibs="$build/package-shlibs"
rm -rf "$shlibs"
mkdir -p "$shlibs/debian"
printf 'Source: mokimoki\n\nPackage: mokimoki\nArchitecture: any\n' >"$shlibs/debian/control"
libs="$(cd "$shlibs" && dpkg-shlibdeps -O "$OLDPWD/$root"/usr/games/* 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')"
[ -n "$libs" ] || { echo "package.sh: dpkg-shlibdeps found no libraries" >&2; exit 1; }

mkdir -p "$root/DEBIAN"
(cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$root/DEBIAN/md5sums"
cat >"$root/DEBIAN/control" <<EOF
Package: mokimoki
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $libs, fonts-ipafont-gothic
Section: games
Priority: optional
Description: tournament ball game with Kua and Mokimoki
 大会にモキモキ: the hero Kua (くあ) and his partner Mokimoki (モキモキ)
 enter a tournament of a two-a-side ball game. Walk the tournament hall,
 talk to the people there, buy items and play the league match by match,
 as the forward, the back or the manager; win through to the final and
 face the endless challengers. In the basement a bear plays a dodge game
 for special abilities.
 .
 All of the game's text is in Japanese.
EOF
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb"
((check)) || exit 0

# --- The checks ----------------------------------------------------------------------
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The file list: every part in its place.
dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$scratch/files"
for want in /usr/games/mokimoki /usr/games/mokimoki-scenario \
  /usr/share/games/mokimoki/data/rftmap.dat /usr/share/games/mokimoki/data/btl5.dat \
  /usr/share/games/mokimoki/assets/picball_0.png /usr/share/applications/mokimoki.desktop \
  /usr/share/metainfo/org.example.mokimoki.metainfo.xml /usr/share/man/man6/mokimoki.6.gz \
  /usr/share/man/man6/mokimoki-scenario.6.gz /usr/share/doc/mokimoki/copyright \
  /usr/share/doc/mokimoki/changelog.gz; do
  grep -qxF "$want" "$scratch/files" || fail "the package has no $want"
done
for size in 16 32 48 64 128 256; do
  icon="/usr/share/icons/hicolor/${size}x${size}/apps/mokimoki.png"
  grep -qxF "$icon" "$scratch/files" || fail "the package has no $icon"
done
[ "$(grep -c '^/usr/share/games/mokimoki/data/.*\.dat$' "$scratch/files")" -eq \
  "$(find data -name '*.dat' | wc -l)" ] || fail "the package's data files differ from data/"
[ "$(grep -c '^/usr/share/games/mokimoki/assets/.*\.png$' "$scratch/files")" -eq \
  "$(find assets -name '*.png' | wc -l)" ] || fail "the package's pictures differ from assets/"
stray="$(grep -v -e '/$' -e '^/usr/games/' -e '^/usr/share/' "$scratch/files" || true)"
[ -z "$stray" ] || fail "files outside /usr/games and /usr/share: $stray"
dpkg-deb --field "$deb" Depends | grep -q 'libsdl2-2.0-0.*libsdl2-ttf-2.0-0\|libsdl2-ttf-2.0-0.*libsdl2-2.0-0' ||
  fail "Depends lacks SDL2 or SDL2_ttf: $(dpkg-deb --field "$deb" Depends)"
for dep in libpng16-16 fonts-ipafont-gothic; do
  dpkg-deb --field "$deb" Depends | grep -q "$dep" || fail "Depends lacks $dep"
done
grep -q "<release version=\"$version\"" packaging/org.example.mokimoki.metainfo.xml ||
  fail "the metainfo has no release $version"
grep -q "mokimoki $version" packaging/mokimoki.6 || fail "the manual page is not for $version"

# The linters. lintian's errors fail the check; its warnings are shown.
lintian --tag-display-limit 0 --fail-on error "$deb" || fail "lintian reports errors"
desktop-file-validate "$root/usr/share/applications/mokimoki.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.mokimoki.metainfo.xml" \
  >"$scratch/appstream" 2>&1 || {
  cat "$scratch/appstream"
  fail "appstreamcli validate"
}

# Unpacked into a scratch root: the game answers, and the scenario runner
# finds the data and pictures from there and plays.
dpkg -x "$deb" "$scratch/root"
got="$(env -u DISPLAY -u WAYLAND_DISPLAY "$scratch/root/usr/games/mokimoki" --version)" ||
  fail "mokimoki --version from the unpacked package"
[ "$got" = "大会にモキモキ (mokimoki) $version" ] || fail "mokimoki --version says \"$got\""
cat >"$scratch/walk.scn" <<'EOF'
seed 3
menu start
wait 1500
dump
menu quit
EOF
if out="$(cd "$scratch" && "$scratch/root/usr/games/mokimoki-scenario" walk.scn 2>&1)"; then
  # スタート reads the hall map: a game in the hall found the data.
  grep -q '"GameMode":1' <<<"$out" || fail "the scenario from the package did not reach the hall"
else
  fail "the scenario runner from the unpacked package: $out"
fi
[ ! -e "$scratch/root/usr/games/data" ] || fail "the package has data beside its executables"

if ((failures)); then
  echo "package check: $failures failures" >&2
  exit 1
fi
echo "package check: passed"
