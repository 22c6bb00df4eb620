#!/usr/bin/env bash
# Fails when the shipped program (help included) exceeds 440 KB or carries debug information or
# symbols. 440 KB since the reach watch and the paste's worker came (16 KB, most of the pure logic
# now built for size); 424 KB since the help carries its two pictures (13 KB) and the button
# images come in seven sizes (5 KB); it was 400 KB. Usage: check_shipped_exe.sh OBJDUMP EXE
(($(stat -c %s "$2") <= 440 * 1024)) || { echo "FAIL: $2 is over 440 KB"; exit 1; }
"$1" -h "$2" | grep -q ' \.debug_' && { echo "FAIL: debug sections in $2"; exit 1; }
"$1" -t "$2" | grep -q wWinMain && { echo "FAIL: symbols in $2"; exit 1; }
exit 0
