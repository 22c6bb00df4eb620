#!/usr/bin/env bash
# Fails when the shipped program carries debug information or symbols, when they are not kept
# in its separate debug file, or when the program (help included) exceeds 400 KB.
# Usage: check_shipped_exe.sh OBJDUMP EXE DEBUG_FILE
set -euo pipefail
objdump=$1 exe=$2 debug=$3
status=0
fail() { echo "FAIL: $*"; status=1; }

size=$(stat -c %s "$exe")
echo "$exe: $size bytes"
((size <= 400 * 1024)) || fail "larger than 400 KB"
sections=$("$objdump" -h "$exe")
grep -q ' \.debug_' <<<"$sections" && fail "debug sections in the program"
grep -q ' \.gnu_debuglink ' <<<"$sections" || fail "no link to the debug file"
[[ $("$objdump" -t "$exe") != *wWinMain* ]] || fail "symbols left in the program"
grep -q ' \.debug_info ' <<<"$("$objdump" -h "$debug")" || fail "no debug information in $debug"
[[ $("$objdump" -t "$debug") == *wWinMain* ]] || fail "no symbols in $debug"
exit $status
