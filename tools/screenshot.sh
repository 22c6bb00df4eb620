#!/usr/bin/env bash
# Writes PNG screenshots of a program running under Wine on an X display:
#   OUT           the program's main window (its largest mapped top-level X window)
#   OUT-screen    the whole screen (both monitors)
# Usage: screenshot.sh DISPLAY OUT.png [PROGRAM]   (PROGRAM: default flockhand.exe)
# Waits up to 20 s for the window to be shown and for its picture to settle (the first paint).
set -euo pipefail

if [[ $# -lt 2 ]]; then
  echo "usage: $0 DISPLAY OUT.png [PROGRAM]" >&2
  exit 2
fi
display=$1 out=$2 program=${3:-flockhand.exe}
mkdir -p "$(dirname "$out")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Wine names each X window's WM_CLASS after its process. Prints "id WxH+X+Y" of the largest
# viewable top-level window of the program, or nothing.
find_window() {
  xwininfo -display "$display" -root -children 2>/dev/null |
    awk -v class="(\"$program\"" '
      index($0, class) {
        for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+[+-]/) geometry = $i
        split(geometry, size, /[x+-]/)
        if (size[1] * size[2] > best) { best = size[1] * size[2]; line = $1 }
      }
      END { if (best > 1) print line }' |
    while read -r id; do
      xwininfo -display "$display" -id "$id" | grep -q 'Map State: IsViewable' || continue
      geometry=$(xwininfo -display "$display" -id "$id" | awk '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
        END {printf "%dx%d+%d+%d", w, h, x, y}')
      echo "$id $geometry"
    done
}

grab() { import -display "$display" -window root "$1"; }
# Raw pixels only (a PNG carries its creation time, so two PNGs of one picture differ).
grab_pixels() { import -display "$display" -window root -depth 8 "rgb:$1"; }

window="" previous="" settled=0
deadline=$((SECONDS + 20))
while ((SECONDS < deadline)); do
  window=$(find_window)
  if [[ -n $window ]]; then
    grab_pixels "$work/now.rgb"
    # Settled: two grabs in a row show the same picture.
    if [[ -n $previous ]] && cmp -s "$work/now.rgb" "$previous"; then settled=1; break; fi
    mv "$work/now.rgb" "$work/previous.rgb"
    previous=$work/previous.rgb
  fi
  sleep 0.25
done
if [[ -z $window ]]; then
  echo "screenshot: no window of $program on $display" >&2
  exit 1
fi
((settled)) || echo "screenshot: the screen kept changing; taking it as it is" >&2

geometry=${window#* }
screen_out=${out%.png}-screen.png
grab "$screen_out"
convert "$screen_out" -crop "$geometry" +repage "$out"
echo "screenshot: $out ($geometry) and $screen_out"
