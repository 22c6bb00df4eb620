#!/usr/bin/env bash
# The benchmark command: installs what is missing, builds the Windows programs (build/windows)
# and runs flockhand_bench.exe in a Wine session of its own (build/windows/wine-bench), apart
# from the one the tests use. Prints a table with PASS or MISS per speed target, also kept in
# build/windows/bench.txt; "tools/bench.sh startup" times start-up only. Exits non-zero only
# when the benchmarks could not run; a missed target is a MISS in the table, not a failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
session=$build/wine-bench

"$root/tools/setup.sh" || exit 1

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" || exit 1
if [[ ! -d $build/tests/bench ]]; then
  echo "bench: tests/bench is not part of the build; the root CMakeLists.txt must add it" >&2
  exit 1
fi
# The benchmark target depends on flockhand, vtwin32 and minimal_window.
cmake --build "$build" -j "$(nproc)" --target flockhand_bench || exit 1

"$root/tools/wine-session.sh" start "$session" || exit 1
trap '"$root/tools/wine-session.sh" stop "$session"' EXIT

"$root/tools/wine-exec.sh" "$session" "$build/bin/flockhand_bench.exe" "$@" | tee "$build/bench.txt"
exit "${PIPESTATUS[0]}"
