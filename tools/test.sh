#!/usr/bin/env bash
# Sets up, builds and runs every test: once as players get it (a Release
# build, then the Debian packages built and checked), and once more under
# AddressSanitizer and UndefinedBehaviorSanitizer.
# Here every compiler warning is an error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
jobs="$(nproc)"

# MOKI_TEST_HOOKS: the real window's test controller, which the package leaves out.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DMOKI_WERROR=ON -DMOKI_TEST_HOOKS=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

# The page: built with emscripten (its glyphs made and checked by the build
# just made), then played in Debian's headless chromium.
bash tools/web.sh --no-serve
node tests/web/page_test.js build-web build-web-shots build/bin/mokimoki-scenario

# The Debian packages, built by dpkg-buildpackage with every test (the real
# window's without its test controller, which the package leaves out), and
# checked: the tests of the build, "debian/rules clean", the source package,
# their files, lintian, hardening, the desktop files, the manual pages, the
# programs run from them, apt install and purge, the autopkgtest. Then built
# again elsewhere, later, without the tests: the same bytes.
bash tools/package.sh --check
bash tools/reproducible.sh build

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMOKI_SANITIZE=ON -DMOKI_BENCH=OFF \
  -DMOKI_WERROR=ON -DMOKI_TEST_HOOKS=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
# The real window's own test (its scroll and full-screen timings) runs in the
# Release pass; here the window is exercised by the settings, recording and
# command-line tests. A session killed in the sanitizers' window is played by
# the Release build too, and must reach the same state.
(cd build-sanitize && MOKI_OTHER_BIN="$PWD/../build/bin" ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$PWD/../tests/lsan.supp" ctest --output-on-failure -j"$jobs" \
  -E '^real_window_xvfb$')

# Short runs of the fuzz targets (clang, libFuzzer): the data-file reader, the
# script interpreter, the recording reader and the save reader, 20 s each,
# two at a time, after replaying the kept inputs.
bash tools/fuzz.sh 20
