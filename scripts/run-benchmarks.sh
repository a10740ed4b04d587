#!/usr/bin/env bash
# Runs every benchmark: the native ones, then those under Wine (which
# with-wine.sh has made ready), each Windows one in the 64-bit build and
# right after it in the 32-bit one, the product. Each prints medians of
# in-process timings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
for exe in "$root"/build/host/bench/host/*; do
  [ -x "$exe" ] && [ -f "$exe" ] || continue
  echo "== $(basename "$exe")"
  "$exe"
done
runs32=1
if ! why=$("$root/scripts/wine32.sh" --check); then
  runs32=0
  echo "== 32-bit figures: skipped, 32-bit programs cannot run here: $why"
fi
shopt -s nullglob
for exe in "$root"/build/x64/bench/*.exe; do
  name=$(basename "$exe")
  echo "== $name (64-bit)"
  (cd "$(dirname "$exe")" && /usr/lib/wine/wine64 "$exe")
  exe32="$root/build/x86/bench/$name"
  if [ $runs32 -eq 1 ] && [ -f "$exe32" ]; then
    echo "== $name (32-bit)"
    (cd "$(dirname "$exe32")" && /usr/lib/wine/wine64 "$exe32")
  fi
done
