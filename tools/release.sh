#!/usr/bin/env bash
# The release: flockhand.exe built from the checked-out commit in a fresh folder, with the
# Windows build's toolchain and flags, and packed by tools/release_zip.py into
#   OUTDIR/flockhand-<version>-win-x64.zip   (OUTDIR: dist/ unless given)
#   OUTDIR/flockhand-<version>-win-x64.zip.sha256
# The same commit gives the same bytes wherever, whenever and by whomever it is built: dates
# come from the commit (SOURCE_DATE_EPOCH), nothing of the build folder or the clock gets into
# the program, and nothing from the caller's environment changes the build.
#   tools/release.sh [OUTDIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/dist}

"$root/tools/setup.sh"
# Only reads the repository, which may belong to another user (a CI checkout, say).
repo() { git -c safe.directory="$root" -C "$root" "$@"; }
commit=$(repo rev-parse HEAD)
repo diff --quiet HEAD -- ||
  echo "release: uncommitted changes are left out: this is the release of $commit" >&2

unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_RC_COMPILER_LAUNCHER CXXFLAGS CPPFLAGS LDFLAGS RCFLAGS
export SOURCE_DATE_EPOCH=$(repo log -1 --format=%ct "$commit") LC_ALL=C.UTF-8

work=$(mktemp -d "${TMPDIR:-/tmp}/flockhand-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
source=$work/source
mkdir "$source"
repo archive "$commit" | tar -x -C "$source"
cmake -S "$source" -B "$work/build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$work/build" -j "$(nproc)" --target flockhand >/dev/null

# The version as the program's resources say it, from the one place that gives it.
version=$(printf '#include "base/version.h"\nFLOCKHAND_VERSION_TEXT\n' |
  x86_64-w64-mingw32-cpp -P -I "$source/src" - | tr -d '"[:space:]')
python3 "$source/tools/release_zip.py" "$source" "$work/build/bin/flockhand.exe" "$version" "$out"
cat "$out/flockhand-$version-win-x64.zip.sha256"
