#!/usr/bin/env bash
# Runs a Windows program inside the Wine session of DIR (see wine-session.sh) and returns its
# exit code. CMake uses it as the cross-compiling emulator: wine-exec.sh DIR PROGRAM ARGS...
set -euo pipefail

if [[ $# -lt 2 ]]; then
  echo "usage: $0 DIR PROGRAM [ARGS...]" >&2
  exit 2
fi
dir=$(cd "$1" 2>/dev/null && pwd) || { echo "wine-exec: no Wine session folder $1" >&2; exit 2; }
shift
if [[ ! -f $dir/display || ! -f $dir/prefix/.flockhand-ready ]]; then
  echo "wine-exec: no Wine session running in $dir (run: tools/wine-session.sh start $dir)" >&2
  exit 2
fi

export DISPLAY=$(<"$dir/display")
export WINEPREFIX=$dir/prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
