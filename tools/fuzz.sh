#!/usr/bin/env bash
# Builds the libFuzzer targets (build/fuzz, clang) and runs each for SECONDS (default 10).
# Usage: tools/fuzz.sh [SECONDS] [TARGET...]   (targets: title_order, title_filter, ...)
# New inputs go to build/fuzz/corpus/<target>; the seeds in tests/fuzz/corpus are only read.
# An input that breaks a property is written to build/fuzz/crash-* and the run fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
shift || true

"$root/tools/setup.sh"
build=$root/build/fuzz
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFLOCKHAND_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

targets=("$@")
if ((${#targets[@]} == 0)); then
  for seeds in "$root"/tests/fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi
status=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  printf '%-16s ' "$target"
  if (cd "$build" && "./tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=8192 \
        -print_final_stats=1 "corpus/$target" "$root/tests/fuzz/corpus/$target" \
        >"$build/$target.log" 2>&1); then
    grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/$target.log" | awk '{print $2 " runs"}'
  else
    echo "FAILED (see $build/$target.log)"; tail -20 "$build/$target.log"; status=1
  fi
done
exit $status
