#!/usr/bin/env bash
# Runs a command with a ready Wine prefix and an X display.
#   with-wine.sh [--own-display] CMD...
# --own-display always starts a private Xvfb (tests); otherwise the user's
# DISPLAY is used when set, and Xvfb is started only when there is none.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
own_display=0
if [ "${1:-}" = "--own-display" ]; then own_display=1; shift; fi

# Tests get a prefix of their own: it is tuned for a display without a
# window manager.
if [ $own_display -eq 1 ]; then
  export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix-test}"
else
  export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

xvfb_pid=""
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  # Until the server has gone: the next session must not attach to it.
  timeout 30 "$wineserver" -w >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [ $own_display -eq 1 ] || [ -z "${DISPLAY:-}" ]; then
  # Pick a display number nobody holds.
  n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  # TANDREL_SCREEN gives another size (benchmarks of windows larger than
  # 1280 x 1024 need one: a window never grows past the screen).
  Xvfb ":$n" -screen 0 "${TANDREL_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  [ $own_display -eq 0 ] && echo "with-wine: no DISPLAY set, started Xvfb on $DISPLAY"
fi

# A prefix made before the 32-bit Wine was installed cannot run 32-bit
# programs: where they run, a prefix without its 32-bit system folder is made
# again.
ready="$WINEPREFIX/.tandrel-ready-8"
if [ -f "$ready" ] && "$root/scripts/wine32.sh" --check >/dev/null &&
   [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
  case $WINEPREFIX in
    "$root"/build/*) ;;
    *) echo "with-wine: the prefix $WINEPREFIX predates the 32-bit Wine; remove it to have it made again" >&2; exit 1 ;;
  esac
  echo "with-wine: the prefix $WINEPREFIX predates the 32-bit Wine; making it again"
  "$wineserver" -k >/dev/null 2>&1 || true
  timeout 30 "$wineserver" -w >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
fi
if [ ! -f "$ready" ]; then
  echo "with-wine: creating the Wine prefix $WINEPREFIX (first run only)"
  mkdir -p "$WINEPREFIX"
  log="$WINEPREFIX/setup.log"
  : >"$log"
  # Each step must succeed; a half-built prefix is never marked ready. Just
  # after wineboot, Wine now and then fails to start a program at all
  # ("Application could not be started"): each step may be tried three times,
  # as all of them can be run again.
  step() {
    local what=$1; shift
    local try
    for try in 1 2 3; do
      "$@" >>"$log" 2>&1 && return 0
      echo "with-wine: $what failed (try $try of 3)" >>"$log"
      timeout 30 "$wineserver" -w >/dev/null 2>&1 || true
    done
    echo "with-wine: $what failed; the prefix $WINEPREFIX is not ready (see $log)" >&2
    exit 1
  }
  reg() { step "setting $1\\$3" "$wine" reg add "$@" /f; }
  step "creating the prefix (wineboot)" "$wine" wineboot -i
  # A crashing program ends at once: no debugger is started to wait for
  # someone who is not there, and a test run reports the crash in seconds.
  # Both registry views: 32-bit programs read their own AeDebug key.
  for view in /reg:64 /reg:32; do
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d "" $view
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1 $view
  done
  # Without a window manager Wine draws no frames unless told not to leave
  # decoration to one; the skin engine replaces exactly that non-client area.
  reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N
  # With no window manager, hiding a managed window waits 2 s for one to
  # answer; unmanaged windows are shown and hidden at once.
  if [ $own_display -eq 1 ]; then
    reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
  fi
  # Wine's own fonts (Marlett for caption buttons, MS Sans Serif, Tahoma)
  # reach a prefix only when the whole of wineboot succeeds; put them in place.
  # Only the outline ones: a raster face cannot fall back to the CJK font.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -f /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # The captions are Chinese: let the usual dialog fonts fall back to a CJK
  # font for the characters they lack, as a Chinese Windows does.
  for face in "MS Sans Serif" "Microsoft Sans Serif" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Arial"; do
    reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d "wqy-microhei.ttc,WenQuanYi Micro Hei"
  done
  # Captions and menus are Chinese too: the system fonts for them are the
  # dialog face (which reaches the CJK font), bold for captions.
  face=$(printf 'MS Sans Serif' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')
  face=$(printf '%-128s' "$face" | tr ' ' 0)
  for metric in CaptionFont:BC020000 SmCaptionFont:90010000 MenuFont:90010000; do
    reg 'HKCU\Control Panel\Desktop\WindowMetrics' /v "${metric%%:*}" /t REG_BINARY \
      /d "F5FFFFFF000000000000000000000000${metric#*:}0000000100000022$face"
  done
  step "writing the prefix to disk (wineserver -w)" "$wineserver" -w
  touch "$ready"
fi

# A persistent server keeps every later process start fast. The first Wine
# process of a server starts the prefix's services, which live as long as the
# server and keep whatever output they inherited: start them here, on
# /dev/null, or a test runner waits forever for its output pipe to close.
"$wineserver" -p >/dev/null 2>&1 || true
"$wine" wineboot </dev/null >/dev/null 2>&1 || true
"$@"
