#!/usr/bin/env bash
# Fails when the shipped program (help included) exceeds 400 KB or carries debug information or
# symbols, or when its debug file lacks them. Usage: check_shipped_exe.sh OBJDUMP EXE DEBUG_FILE
set -u
size=$(stat -c %s "$2")
echo "$2: $size bytes"
((size <= 400 * 1024)) || { echo "FAIL: over 400 KB"; exit 1; }
"$1" -h "$2" | grep -q ' \.debug_' && { echo "FAIL: debug sections in the program"; exit 1; }
"$1" -t "$2" | grep -q wWinMain && { echo "FAIL: symbols in the program"; exit 1; }
"$1" -h "$3" | grep -q ' \.debug_info ' || { echo "FAIL: no debug information in $3"; exit 1; }
"$1" -t "$3" | grep -q wWinMain || { echo "FAIL: no symbols in $3"; exit 1; }
