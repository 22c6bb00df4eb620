#!/usr/bin/env bash
# The test command: installs what is missing, then builds and runs every test:
#   build/native   the native unit tests (host g++, AddressSanitizer and UBSan)
#   build/fuzz     a short pass of every libFuzzer target (tools/fuzz.sh)
#   build/windows  flockhand.exe, the stand-in terminal and the end-to-end tests, run under
#                  Wine on a private two-monitor X display (tools/wine-session.sh)
#   build/release-check  two runs of tools/release.sh and checks of their zip
# Exits non-zero if anything fails to build or any test fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/tools/setup.sh" || exit 1

# ctest starts and stops the Wine session itself; this only cleans up after an interrupted run.
trap '"$root/tools/wine-session.sh" stop "$root/build/windows/wine" >/dev/null 2>&1' EXIT

status=0
section() { printf '\n=== %s ===\n' "$*"; }

section "native unit tests (build/native)"
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug &&
  cmake --build "$root/build/native" -j "$jobs" &&
  (cd "$root/build/native" && ctest --output-on-failure -j "$jobs") || status=1

section "fuzz targets, a few seconds each (build/fuzz)"
"$root/tools/fuzz.sh" 5 || status=1

# The end-to-end tests share one X display, keyboard focus and mouse: ctest runs them one at a
# time (they are RUN_SERIAL as well).
section "Windows build and end-to-end tests under Wine (build/windows)"
cmake -S "$root" -B "$root/build/windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" &&
  cmake --build "$root/build/windows" -j "$jobs" &&
  (cd "$root/build/windows" && ctest --output-on-failure) || status=1

section "release: two clean builds compared, the zip's contents, its program under Wine"
"$root/tests/release/check_release.sh" || status=1

section "$( ((status == 0)) && echo "all tests passed" || echo "FAILURES (see above)")"
exit $status
