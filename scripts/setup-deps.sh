#!/usr/bin/env bash
# Installs whatever the build and the tests need and this machine lacks.
# Safe to run again: it only calls apt-get when a package is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  make cmake ninja-build ccache g++ python3 python3-numpy python3-pil
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine64 xvfb x11-utils
  googletest nlohmann-json3-dev
  fonts-wqy-microhei
  clang libclang-rt-14-dev
  nsis
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The product is a 32-bit program: its tests run under the 32-bit Wine.
# The archive's i386 and amd64 indexes can be briefly out of step, so a
# failed install is tried once more after an update, and a second failure
# leaves the 32-bit tests skipped rather than stopping everything else.
if ! installed wine32:i386; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  echo "setup: installing the 32-bit Wine (wine32:i386)"
  install32() {
    $sudo apt-get update -qq &&
      $sudo apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null
  }
  if ! install32 && ! install32; then
    echo "setup: could not install wine32:i386 (apt-get failed twice); the 32-bit tests will be reported as skipped"
  fi
fi
if ! why=$("$root/scripts/wine32.sh" --check); then
  echo "setup: 32-bit programs cannot run here: $why; the 32-bit tests will be reported as skipped"
fi
exit 0
