#!/usr/bin/env bash
# The long soak: the random player through many games on several seeds, built
# with AddressSanitizer and UndefinedBehaviorSanitizer. Prints each seed's
# figures and their totals; fails if any seed breaks a rule.
#   tools/soak.sh [MINUTES_PER_SEED] [SEEDS...]
# The defaults (4 seeds of 60 virtual minutes) are about twelve seasons.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-60}"
shift || true
seeds=("$@")
if ((${#seeds[@]} == 0)); then seeds=(101 202 303 404); fi

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMOKI_SANITIZE=ON -DMOKI_BENCH=OFF >/dev/null
cmake --build build-sanitize -j2 --target mokimoki-soak
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp"

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
for s in "${seeds[@]}"; do
  # Two at a time: the machine has two cores.
  while (($(jobs -rp | wc -l) >= 2)); do wait -n || true; done
  (
    rc=0
    build-sanitize/bin/mokimoki-soak "$s" "$minutes" >"$out/$s.log" 2>&1 || rc=$?
    echo "$rc" >"$out/$s.rc"
  ) &
done
wait
failed=0
for s in "${seeds[@]}"; do
  rc="$(cat "$out/$s.rc")"
  if [ "$rc" != 0 ]; then
    failed=1
    echo "seed $s FAILED (exit $rc):"
    head -c 4000 "$out/$s.log"
    echo
  else
    grep '^soak ' "$out/$s.log"
  fi
done
# Totals of every figure over the seeds that passed.
cat "$out"/*.log | grep '^soak ' | tr ' ' '\n' | grep '=' | grep -v '^seed=' |
  awk -F= '{t[$1] += $2} END {printf "total:"; for (k in t) printf " %s=%g", k, t[k]; print ""}'
exit "$failed"
