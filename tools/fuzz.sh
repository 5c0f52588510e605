#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build-fuzz/
# and runs each for the given number of seconds (default 600), two at a
# time. The inputs kept under fuzz/regressions/ are run first.
#   tools/fuzz.sh [seconds]
# New corpus entries collect in build-fuzz/corpus/<target>/ and carry over to
# the next run; a crash, hang or sanitizer report leaves its input in
# build-fuzz/findings/<target>/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
bash tools/setup.sh

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DMOKI_FUZZ=ON -DMOKI_TESTS=OFF -DMOKI_BENCH=OFF >/dev/null
cmake --build build-fuzz -j2 --target fuzz_data_file fuzz_script fuzz_recording fuzz_save

export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
status=0
# run TARGET: one fuzz target for the given time; its report goes to its log.
run() {
  local target="$1"
  local corpus="build-fuzz/corpus/$target" findings="build-fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  local extra=()
  # A script input carries a whole little game session: leak checks after
  # every input would double its cost, and typing takes virtual time only.
  if [ "$target" = script ]; then extra=(-dict=fuzz/script.dict -detect_leaks=0); fi
  if [ "$target" = save ]; then extra=(-dict=fuzz/save.dict); fi
  local kept=()
  if [ -d "fuzz/regressions/$target" ]; then kept=("fuzz/regressions/$target"); fi
  build-fuzz/bin/fuzz_"$target" "${extra[@]}" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" "fuzz/corpus/$target" "${kept[@]}" >"build-fuzz/fuzz_$target.log" 2>&1
}

# report TARGET STATUS: what the run made, and what it found.
report() {
  local log="build-fuzz/fuzz_$1.log"
  echo "fuzz_$1: ${seconds}s"
  if [ "$2" -ne 0 ]; then
    status=1
    grep -E "ERROR|runtime error|SUMMARY|Test unit written" "$log" || tail -n 30 "$log"
  fi
  grep -E "^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb" "$log" || true
}

# Two targets at a time, one to a core: each gets the whole of its time.
targets=(data_file script recording save)
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pair=("${targets[@]:i:2}")
  pids=()
  for target in "${pair[@]}"; do
    run "$target" &
    pids+=($!)
  done
  for k in "${!pair[@]}"; do
    code=0
    wait "${pids[$k]}" || code=$?
    report "${pair[$k]}" "$code"
  done
done
exit $status
