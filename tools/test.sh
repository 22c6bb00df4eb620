#!/usr/bin/env bash
# The test command: installs what is missing, then builds and runs every test — the native
# unit tests (AddressSanitizer and UBSan) and the end-to-end tests of flockhand.exe under
# Wine and Xvfb. Exits non-zero if anything fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$root/tools/setup.sh" || exit 1

status=0
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=Debug &&
  cmake --build "$root/build/native" -j "$jobs" &&
  (cd "$root/build/native" && ctest --output-on-failure) || status=1

cmake -S "$root" -B "$root/build/windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" &&
  cmake --build "$root/build/windows" -j "$jobs" &&
  (cd "$root/build/windows" && ctest --output-on-failure) || status=1

exit $status
