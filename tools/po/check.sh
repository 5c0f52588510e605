#!/usr/bin/env bash
# Checks the catalogues in po/: every one as msgfmt reads it (--check), and
# en.po, the English the game ships, complete: every text of the template
# translated, none fuzzy. The catalogues the build makes (the pseudo-
# languages, in MADE-FOLDER) are checked by msgfmt too.
#   tools/po/check.sh [PO-FOLDER [MADE-FOLDER]]
set -uo pipefail
po="${1:-$(dirname "$0")/../../po}"
made="${2:-}"
status=0
for f in "$po"/mokimoki.pot "$po"/*.po ${made:+"$made"/*.po}; do
  [ -e "$f" ] || continue
  if ! out="$(LC_ALL=C msgfmt --check -o /dev/null "$f" 2>&1)"; then
    echo "$out"
    status=1
  fi
done
stats="$(LC_ALL=C msgfmt --statistics -o /dev/null "$po/en.po" 2>&1)"
if grep -qE "fuzzy|untranslated" <<<"$stats"; then
  echo "$po/en.po: $stats"
  status=1
fi
if ! out="$(LC_ALL=C msgcmp "$po/en.po" "$po/mokimoki.pot" 2>&1)"; then
  echo "$out"
  status=1
fi
if [ $status -eq 0 ]; then
  echo "catalogues: $(ls "$po"/*.po ${made:+"$made"/*.po} 2>/dev/null | wc -l) checked; en.po: $stats"
fi
exit $status
