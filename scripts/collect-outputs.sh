#!/usr/bin/env bash
# Copies the deliverables to their fixed places under out/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
for arch in x86 x64; do
  mkdir -p "out/$arch"
  cp -f "build/$arch/app/Tandrel.exe" "out/$arch/Tandrel.exe"
  cp -f app/res/mouse.ico "out/$arch/mouse.ico"
  cp -f "build/$arch/tools/skinpack/skinpack.exe" "out/$arch/"
  cp -f "build/$arch/tools/skinview/skinview.exe" "out/$arch/"
done
mkdir -p out/host out/skins
cp -f build/host/tools/skinpack/skinpack out/host/
cp -f build/host/skins/*.skn out/skins/
exit 0
