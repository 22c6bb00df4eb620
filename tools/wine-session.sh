#!/usr/bin/env bash
# Starts and stops the X display and Wine prefix that the end-to-end tests run in.
# Usage: wine-session.sh start|stop|prefix DIR [DPI]   (DIR: the Wine state folder, e.g.
#        build/windows/wine; DPI: the system DPI of the session, 96 unless given)
#   start   the private display and the prefix; reuses a running session of DIR, restarting its
#           Wine when it runs at another DPI
#   stop    ends the session (Wine and the X servers); the prefix stays for the next one
#   prefix  only makes the prefix, for running on the caller's own $DISPLAY (no X settings),
#           at DPI
#
# The display has two monitors side by side: 1280x1024 at (0,0) and 1024x768 at (1280,0).
# Xvfb alone cannot do that (with +xinerama it stacks every screen at 0,0), so an Xephyr with
# two screens and Xinerama runs inside a headless Xvfb; Wine draws on the Xephyr.
#
# DIR/prefix      the Wine prefix (kept between sessions; made once, ~15-30 s)
# DIR/display     the X display Wine uses, e.g. ":3"
# DIR/xvfb.pid    the headless Xvfb hosting the Xephyr
# DIR/xephyr.pid  the Xephyr
# DIR/*.log       X server and Wine output
set -euo pipefail

usage() { echo "usage: $0 start|stop|prefix DIR [DPI]" >&2; exit 2; }
[[ $# -eq 2 || $# -eq 3 ]] || usage
action=$1
mkdir -p "$2"
dir=$(cd "$2" && pwd)
prefix=$dir/prefix
dpi=${3:-96}
[[ $dpi =~ ^[1-9][0-9]{1,2}$ ]] || usage

export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A session is started and stopped by one caller at a time (ctest fixtures, run.sh).
exec 9>"$dir/.lock"
flock -w 120 9 || { echo "wine-session: $dir is locked by another caller" >&2; exit 1; }

# Polls a command every 0.1 s for at most SECONDS; fails with MESSAGE.
wait_for() {
  local seconds=$1 message=$2; shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    if ((SECONDS >= deadline)); then echo "wine-session: $message" >&2; return 1; fi
    sleep 0.1
  done
}

# True while the process in PIDFILE is a live (not zombie) NAME. Nothing here reaps the
# detached servers, so a stopped one can linger as a zombie.
server_alive() {
  local pidfile=$1 name=$2 pid
  [[ -f $pidfile ]] || return 1
  pid=$(<"$pidfile")
  [[ $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null) == "$name "* ]] &&
    [[ $(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null) != Z ]]
}

display_answers() { xdpyinfo -display "$1" >/dev/null 2>&1; }

session_alive() {
  [[ -f $dir/display ]] && server_alive "$dir/xvfb.pid" Xvfb &&
    server_alive "$dir/xephyr.pid" Xephyr && display_answers "$(<"$dir/display")"
}

stop_server() {
  local pidfile=$1 name=$2
  if server_alive "$pidfile" "$name"; then
    kill "$(<"$pidfile")"
    wait_for 10 "$name $(<"$pidfile") does not exit" eval "! server_alive $pidfile $name"
  fi
  rm -f "$pidfile"
}

# Starts X server NAME with ARGS detached (setsid, every fd redirected, so ctest does not wait
# for it) on a free display number that it picks itself (-displayfd) and prints.
start_server() {
  local name=$1; shift
  local fdfile=$dir/$name.displayfd
  rm -f "$fdfile"
  setsid "$name" -displayfd 3 "$@" -nolisten tcp \
    3>"$fdfile" </dev/null >"$dir/$name.log" 2>&1 9>&- &
  echo $! >"$dir/${name,,}.pid"
  wait_for 20 "$name did not report a display (see $dir/$name.log)" grep -qs '^[0-9]\+$' "$fdfile"
  local display=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
  wait_for 20 "$name on $display does not answer" display_answers "$display"
  echo "$display"
}

start_display() {
  rm -f "$dir/display"
  local host
  host=$(start_server Xvfb -screen 0 2304x1024x24)
  DISPLAY=$host start_server Xephyr -screen 1280x1024x24 -screen 1024x768x24 +xinerama \
    -no-host-grab >"$dir/display.new"
  mv "$dir/display.new" "$dir/display"
}

# Wine programs started here must not keep this script's stdout open (ctest waits for it),
# nor the lock (fd 9), which would then stay held by the wineserver.
wine_quiet() { "$@" </dev/null >>"$dir/wine.log" 2>&1 9>&-; }

# The prefix's settings; bump when they change, so that existing prefixes get them too.
settings_version=6

make_prefix() {
  echo "wine-session: creating Wine prefix $prefix" >&2
  rm -rf "$prefix"
  wine_quiet wineboot -i
}

stop_wine() {
  if [[ -d $prefix ]]; then
    wine_quiet wineserver -k || true
    wine_quiet wineserver -w || true
  fi
}

# The settings every prefix gets; KIND: "session" (the private display) or "desktop".
configure_prefix() {
  local kind=$1
  local x11='HKCU\Software\Wine\X11 Driver' fonts='HKCU\Software\Wine\Fonts\Replacements'
  # Debian's Wine 8 does not find its own fonts (fonts-wine, /usr/share/wine/fonts) unless they
  # are in the Windows font folder: without Marlett, caption buttons show "0 1 r". Only Marlett:
  # with Wine's Tahoma, the caption font, Japanese window titles turn into boxes; without it
  # Wine falls back to fonts that carry Japanese.
  local fonts_dir=$prefix/drive_c/windows/Fonts
  find "$fonts_dir" -lname '/usr/share/wine/fonts/*' ! -name marlett.ttf -delete
  ln -sf /usr/share/wine/fonts/marlett.ttf "$fonts_dir/"
  # Japanese UI text: the dialog fonts of a Japanese Windows, served by IPA Gothic.
  wine_quiet wine reg add "$fonts" /v 'MS UI Gothic' /t REG_SZ /d 'IPAPGothic' /f
  wine_quiet wine reg add "$fonts" /v 'MS Gothic' /t REG_SZ /d 'IPAGothic' /f
  if [[ $kind == session ]]; then
    # Without XRandR, Wine's X11 driver takes the monitors from Xinerama: two monitors.
    wine_quiet wine reg add "$x11" /v UseXRandR /t REG_SZ /d N /f
    # There is no window manager. Wine must draw window frames itself (else top-level windows
    # have no caption or borders to click and drag) and place, size and activate windows
    # itself: a "managed" window waits 2 s, each time it is shown, for a window manager.
    wine_quiet wine reg add "$x11" /v Decorated /t REG_SZ /d N /f
    wine_quiet wine reg add "$x11" /v Managed /t REG_SZ /d N /f
  else
    # A desktop has its own window manager and monitor layout: Wine's defaults.
    for value in UseXRandR Decorated Managed; do
      wine_quiet wine reg delete "$x11" /v "$value" /f || true
    done
  fi
  # Wine's desktop process reads the display settings when it starts, and the one wineboot
  # left running still has the defaults (one XRandR monitor): end it and its wineserver.
  stop_wine
  echo "$kind-$settings_version" >"$prefix/.flockhand-ready"
}

# Makes and configures the prefix unless it is ready for KIND.
ensure_prefix() {
  local kind=$1
  [[ -f $prefix/.flockhand-ready ]] || make_prefix
  [[ $(cat "$prefix/.flockhand-ready" 2>/dev/null) == "$kind-$settings_version" ]] ||
    configure_prefix "$kind"
}

# The system DPI (LogPixels) is read by each Wine process as it starts. A change stops this
# prefix's Wine, so that the whole session, its desktop included, runs at the new DPI.
# Without LogPixels, as in a new prefix, Wine runs at 96.
ensure_dpi() {
  [[ $(cat "$prefix/.flockhand-dpi" 2>/dev/null || echo 96) == "$dpi" ]] && return
  stop_wine
  local key
  for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    wine_quiet wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f
  done
  stop_wine
  echo "$dpi" >"$prefix/.flockhand-dpi"
}

case $action in
  start)
    if ! session_alive; then
      # Wine processes left from a session whose display is gone would hold the old display.
      stop_wine
      stop_server "$dir/xephyr.pid" Xephyr
      stop_server "$dir/xvfb.pid" Xvfb
      start_display
    fi
    export DISPLAY=$(<"$dir/display")
    ensure_prefix session
    ensure_dpi
    # A persistent wineserver and the already running desktop and services make each test's
    # start quick. (wineserver -p exits with 2 when this prefix's server already runs.)
    wine_quiet setsid wineserver -p || true
    wine_quiet wineboot
    echo "wine-session: running on $DISPLAY at $dpi DPI with prefix $prefix" >&2
    ;;
  prefix)
    ensure_prefix desktop
    ensure_dpi
    ;;
  stop)
    stop_wine
    stop_server "$dir/xephyr.pid" Xephyr
    stop_server "$dir/xvfb.pid" Xvfb
    rm -f "$dir/display"
    ;;
  *) usage ;;
esac
