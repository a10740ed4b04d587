#!/usr/bin/env bash
# Runs every benchmark: the native ones, then those under Wine (which
# with-wine.sh has made ready). Each prints medians of in-process timings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
for exe in "$root"/build/host/bench/host/*; do
  [ -x "$exe" ] && [ -f "$exe" ] || continue
  echo "== $(basename "$exe")"
  "$exe"
done
shopt -s nullglob
for exe in "$root"/build/x64/bench/*.exe; do
  echo "== $(basename "$exe")"
  (cd "$(dirname "$exe")" && /usr/lib/wine/wine64 "$exe")
done
