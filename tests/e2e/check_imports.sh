#!/usr/bin/env bash
# Fails when the executable imports a DLL that is not part of Windows itself.
# Usage: check_imports.sh OBJDUMP EXE
set -euo pipefail
system_dlls='^(kernel32|user32|gdi32|gdiplus|comctl32|dwmapi|imm32|ole32|oleaut32|shell32|shlwapi|advapi32|msvcrt|comdlg32|hhctrl\.ocx)\.dll$'
imports=$("$1" -p "$2" | sed -n 's/^\s*DLL Name: //p')
[ -n "$imports" ] || { echo "no imports found in $2"; exit 1; }
status=0
while read -r dll; do
  if [[ ${dll,,} =~ $system_dlls ]]; then echo "ok: $dll"; else echo "NOT a system DLL: $dll"; status=1; fi
done <<<"$imports"
exit $status
