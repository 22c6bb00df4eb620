#!/usr/bin/env bash
# The release check: two runs of tools/release.sh (other folders, times, time zones, umasks) give
# the same bytes; one version in the zip's name, changelog, version resource and About dialog;
# SHA256SUMS, the readmes' encoding, the imports; the unpacked program under Wine (ReleaseZip).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/windows
work=$root/build/release-check
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
"$root/tools/release.sh" "$work/first"
(cd / && umask 077 && TZ=Pacific/Kiritimati "$root/tools/release.sh" "$work/second")
zip=$(echo "$work"/first/flockhand-*-win-x64.zip)
for file in "$zip" "$zip.sha256"; do cmp "$file" "$work/second/${file##*/}"; done
(cd "$work/first" && sha256sum --quiet -c ./*.sha256)

unpacked="$build/bin/展開した Flockhand"
rm -rf "$unpacked"
python3 -m zipfile -e "$zip" "$unpacked"
(cd "$unpacked" && sha256sum --quiet -c SHA256SUMS)
for readme in "$unpacked"/*.txt; do  # UTF-8 with a BOM, CRLF line ends
  [[ $(head -c3 "$readme") == $'\xef\xbb\xbf' ]] && ! grep -qv $'\r$' "$readme" || fail "$readme"
done

version=$(basename "$zip" -win-x64.zip | sed 's/^flockhand-//')
[[ $version =~ ^([0-9]+)\.([0-9]+)$ ]] || fail "no version in the zip's name"
number="${BASH_REMATCH[1]}, ${BASH_REMATCH[2]}, 0, 0"
[[ $(grep -m1 '^## ' "$unpacked/CHANGELOG.md") == "## $version" ]] ||
  fail "the changelog's newest heading is not ## $version"
resources=$(x86_64-w64-mingw32-windres -i "$unpacked/flockhand.exe" -O rc)
for said in "FILEVERSION $number" "PRODUCTVERSION $number" "\"FileVersion\", \"$version\"" \
  "\"ProductVersion\", \"$version\"" "\"Flockhand, Version $version\""; do
  grep -qF -- "$said" <<<"$resources" || fail "flockhand.exe's resources do not say $said"
done
"$root/tests/e2e/check_imports.sh" x86_64-w64-mingw32-objdump "$unpacked/flockhand.exe"
"$root/tests/e2e/check_shipped_exe.sh" x86_64-w64-mingw32-objdump "$unpacked/flockhand.exe"

"$root/tools/wine-session.sh" start "$build/wine"
trap '"$root/tools/wine-session.sh" stop "$build/wine"' EXIT
"$root/tools/wine-exec.sh" "$build/wine" "$build/bin/e2e_tests.exe" --gtest_filter='ReleaseZip.*' |
  tee "$work/e2e.log"
grep -q '^\[  PASSED  \] 1 test' "$work/e2e.log"
