#!/usr/bin/env bash
# The run command: installs what is missing, builds flockhand.exe and runs it under Wine with
# four stand-in terminals to drive. With a usable $DISPLAY it runs there until you close
# Flockhand; without one it runs on a private X display, writes a screenshot to
# build/screenshots/run.png and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
wine_dir=$build/wine

"$root/tools/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" -j "$(nproc)" --target flockhand vtwin32

headless=1
if [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then headless=0; fi

if ((headless)); then
  "$root/tools/wine-session.sh" start "$wine_dir"
  trap '"$root/tools/wine-session.sh" stop "$wine_dir"' EXIT
  export DISPLAY
  DISPLAY=$(<"$wine_dir/display")
else
  mkdir -p "$wine_dir/prefix"
fi
export WINEPREFIX=$wine_dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

bin=$build/bin
wine "$bin/vtwin32.exe" --title="web-server" --count=2 --pos=440,0,400,300 &
wine "$bin/vtwin32.exe" --title="db-primary" --pos=440,320,400,300 &
wine "$bin/vtwin32.exe" --title="ログ集約サーバ" --pos=860,0,400,300 &

if ((headless)); then
  wine "$bin/flockhand.exe" &
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Flockhand"' && break
    sleep 0.1
  done
  sleep 1  # let the first paint reach the screen
  mkdir -p "$root/build/screenshots"
  import -window root "$root/build/screenshots/run.png"
  echo "Screenshot: build/screenshots/run.png"
  wineserver -k || true
else
  wine "$bin/flockhand.exe"
  wineserver -k || true
fi
