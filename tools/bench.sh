#!/usr/bin/env bash
# The benchmark command: installs what is missing, builds the Windows programs (build/windows)
# and runs flockhand_bench.exe in a Wine session of its own (build/windows/wine-bench), apart
# from the one the tests use. Prints a table with PASS or MISS per speed target, also kept in
# build/windows/bench.txt. Arguments choose rows by name ("tools/bench.sh startup", "scale",
# "Alt+R"; see docs/benchmarks.md); without them every row runs. The rows at 144 DPI run
# afterwards in a session of that DPI (build/windows/wine-bench again). Exits non-zero only
# when a benchmark could not run (the rest still run, and the reason is printed); a missed
# target is a MISS in the table, not a failure.
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
# The benchmark target depends on flockhand, vtwin32, minimal_window and bare_panel.
cmake --build "$build" -j "$(nproc)" --target flockhand_bench || exit 1

# The whole session on one CPU: a Wine call is a request to the wineserver, and from a thread
# on another CPU than the wineserver's it costs several times as much (a wake-up across CPUs
# each way), so two programs making the same calls differ by up to 6x depending on where the
# scheduler happened to put them. On one CPU every program pays the same.
cpu=$(($(nproc) - 1))
trap '"$root/tools/wine-session.sh" stop "$session"' EXIT

# Runs the benchmark with the arguments in the session at DPI; the table goes to bench.txt too.
# A row that could not run is named below its table; the other DPI still runs.
status=0
run_at() {
  local dpi=$1; shift
  "$root/tools/wine-session.sh" stop "$session" >/dev/null 2>&1
  taskset -c "$cpu" "$root/tools/wine-session.sh" start "$session" "$dpi" || exit 1
  taskset -c "$cpu" "$root/tools/wine-exec.sh" "$session" "$build/bin/flockhand_bench.exe" "$@" |
    tee -a "$build/bench.txt"
  local code=${PIPESTATUS[0]}
  ((code == 0)) || status=$code
}

# Whether the arguments choose a row at 144 DPI (the rows are named in tests/bench/main.cpp).
wants_144() {
  (($# == 0)) && return 0
  local part
  for part in "$@"; do [[ "startup at 144 dpi: start-up" == *"$part"* ]] && return 0; done
  return 1
}

: >"$build/bench.txt"
run_at 96 "$@"
if wants_144 "$@"; then run_at 144 "$@"; fi
exit $status
