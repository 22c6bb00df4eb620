#!/usr/bin/env bash
# The run command: installs what is missing, builds flockhand.exe and the stand-in terminal,
# then runs Flockhand under Wine beside four stand-in terminals to drive (one on the second
# monitor, one with a Japanese title).
#   With a usable $DISPLAY: runs there until Flockhand is closed.
#   Without one: runs on a private two-monitor X display, waits for Flockhand's window, writes
#   build/screenshots/run.png (the window) and run-screen.png (both monitors), and stops.
# With --dpi N (96 unless given) the Wine session runs at N DPI: 144 is a display at 150 %.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=96
if [[ ${1:-} == --dpi ]]; then dpi=${2:?"usage: $0 [--dpi N]"}; fi
build=$root/build/windows
bin=$build/bin

"$root/tools/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" --target flockhand vtwin32

if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
  headless=0
  wine_dir=$build/wine-desktop
  "$root/tools/wine-session.sh" prefix "$wine_dir" "$dpi"
else
  headless=1
  wine_dir=$build/wine
  "$root/tools/wine-session.sh" start "$wine_dir" "$dpi"
  DISPLAY=$(<"$wine_dir/display")
fi
export DISPLAY WINEPREFIX=$wine_dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Whatever happens, end what was started: this prefix's Wine processes, and a private display.
cleanup() {
  wineserver -k 2>/dev/null || true
  ((headless == 0)) || "$root/tools/wine-session.sh" stop "$wine_dir"
}
trap cleanup EXIT

# Counts this display's shown top-level windows of a program (Wine names WM_CLASS after it).
windows_of() {
  local id count=0
  for id in $(xwininfo -root -children 2>/dev/null | grep "(\"$1\"" |
                grep -v '"Default IME"' | awk '{print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && count=$((count + 1))
  done
  echo "$count"
}

launch() { wine "$@" </dev/null >>"$wine_dir/run.log" 2>&1 & }
launch "$bin/vtwin32.exe" --title=web-01 --pos=440,0,400,300
launch "$bin/vtwin32.exe" --title=web-02 --pos=860,0,400,300
launch "$bin/vtwin32.exe" --title=db-primary --pos=440,320,400,300
launch "$bin/vtwin32.exe" --title=ログ集約サーバ --pos=1300,40,400,300

# Flockhand lists the terminals that exist when it starts: let them come up first.
for ((tries = 0; tries < 200; tries++)); do
  (($(windows_of vtwin32.exe) >= 4)) && break
  sleep 0.1
done
(($(windows_of vtwin32.exe) >= 4)) || echo "run: not all stand-in terminals came up" >&2

if ((headless)); then
  launch "$bin/flockhand.exe"
  "$root/tools/screenshot.sh" "$DISPLAY" "$root/build/screenshots/run.png"
else
  wine "$bin/flockhand.exe"
fi
