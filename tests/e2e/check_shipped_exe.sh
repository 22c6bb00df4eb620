#!/usr/bin/env bash
# Fails when the shipped program (help included) exceeds 424 KB or carries debug information or
# symbols. 424 KB since the help carries its two pictures (13 KB) and the button images come in
# seven sizes (5 KB); it was 400 KB. Usage: check_shipped_exe.sh OBJDUMP EXE
(($(stat -c %s "$2") <= 424 * 1024)) || { echo "FAIL: $2 is over 424 KB"; exit 1; }
"$1" -h "$2" | grep -q ' \.debug_' && { echo "FAIL: debug sections in $2"; exit 1; }
"$1" -t "$2" | grep -q wWinMain && { echo "FAIL: symbols in $2"; exit 1; }
exit 0
