#!/usr/bin/env bash
# Installs whatever the build and the tests need and this machine lacks.
# Safe to run again: it only calls apt-get when a package is missing.
set -euo pipefail

packages=(
  make cmake g++ python3 python3-numpy python3-pil
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine64 xvfb x11-utils
  googletest nlohmann-json3-dev
  fonts-wqy-microhei
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
