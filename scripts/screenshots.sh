#!/usr/bin/env bash
# Takes the README's pictures from the real programs under Wine and leaves
# them as PNG files in OUTDIR (default docs/).
#   screenshots.sh [OUTDIR]
# Run inside scripts/with-wine.sh (DISPLAY and WINEPREFIX set); otherwise it
# runs itself through `with-wine.sh --own-display`.
# TANDREL_BUILD_DIR names the x64 build (default build/x64), and
# TANDREL_HOST_BUILD_DIR the native one that packs the skins (default build/host).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
  exec "$root/scripts/with-wine.sh" --own-display "$0" "$@"
fi

outdir=${1:-$root/docs}
build=${TANDREL_BUILD_DIR:-$root/build/x64}
host=${TANDREL_HOST_BUILD_DIR:-$root/build/host}
wine=/usr/lib/wine/wine64
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3

mkdir -p "$outdir"
outdir=$(cd "$outdir" && pwd)
# Everything is made in a scratch folder first: OUTDIR receives finished
# pictures only, and none when a program fails.
work=$(mktemp -d "${TMPDIR:-/tmp}/tandrel-shots.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A Unix path as a Windows program sees it (Wine maps Z: to /).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Runs a Windows program with its output going through a file: a Wine
# service or server that the program happens to start keeps the output it
# inherits for as long as it lives, and a caller's pipe (a test runner's)
# would then never close.
run_windows() {
  local log="$work/wine.log" status=0
  "$wine" "$@" </dev/null >"$log" 2>&1 || status=$?
  cat "$log" >&2
  return $status
}

need() {
  [ -f "$1" ] || { echo "screenshots: $1 is missing; build first (make x64)" >&2; exit 1; }
}

# The main panel and the tray menu of Tandrel itself. The program reads its
# tray icon from its current directory, so it runs from a folder of its own
# with the icon beside it.
shots_tandrel() {
  local shots="$build/tools/shots/tandrelshots.exe" exe="$build/app/Tandrel.exe"
  need "$shots"
  need "$exe"
  mkdir -p "$work/tandrel" "$work/bmp"
  cp -f "$exe" "$work/tandrel/Tandrel.exe"
  cp -f "$root/app/res/mouse.ico" "$work/tandrel/mouse.ico"
  run_windows "$shots" "$(winpath "$work/tandrel/Tandrel.exe")" "$(winpath "$work/bmp")"
}

# The skin previewer in one of our skins, with the pages named after it
# (buttons, edits, tabs, windows) kept as skinview-<skin>-<page>.
shots_skinview() {
  local skin=$1 viewer="$build/tools/skinview/skinview.exe" package="$host/skins/$1.skn" page file
  shift
  need "$viewer"
  need "$package"
  rm -rf "$work/skinview"
  run_windows "$viewer" --shot "$(winpath "$work/skinview")" "$(winpath "$package")"
  mkdir -p "$work/bmp"
  for page in "$@"; do
    case $page in
      buttons) file=1-buttons-and-lists ;;
      edits) file=2-edits ;;
      tabs) file=3-tabs-and-bars ;;
      windows) file=4-windows-and-menus ;;
      *) echo "screenshots: skinview has no page $page" >&2; exit 1 ;;
    esac
    need "$work/skinview/$file.bmp"
    mv "$work/skinview/$file.bmp" "$work/bmp/skinview-$skin-$page.bmp"
  done
}

# Every BMP the programs left becomes a PNG in OUTDIR.
publish() {
  local bmp png
  for bmp in "$work"/bmp/*.bmp; do
    [ -e "$bmp" ] || continue
    png="$outdir/$(basename "${bmp%.bmp}").png"
    "$python" "$root/scripts/bmp-to-png.py" "$bmp" "$png"
    echo "screenshots: $png"
  done
}

shots_tandrel
shots_skinview slate buttons
shots_skinview dusk buttons tabs
publish
