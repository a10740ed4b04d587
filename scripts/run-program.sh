#!/usr/bin/env bash
# Starts one of the built programs under Wine: the 32-bit one, which is the
# product, or the 64-bit one where 32-bit programs cannot run here.
#   run-program.sh Tandrel.exe|skinview.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$1
arch=x86
if ! why=$("$root/scripts/wine32.sh" --check); then
  echo "run: the 64-bit $program, since 32-bit programs cannot run here: $why"
  arch=x64
fi
# Tandrel reads its tray icon beside it; it runs from a folder of its own.
mkdir -p "$root/build/run/$arch"
cp -f "$root/out/$arch/$program" "$root/out/$arch/mouse.ico" "$root/build/run/$arch/"
cd "$root/build/run/$arch"
exec "$root/scripts/with-wine.sh" /usr/lib/wine/wine64 "$program"
