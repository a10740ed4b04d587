#!/usr/bin/env bash
# Configures (when needed) and builds one build folder with Ninja.
#   build.sh host|x64|x86
# Quiet on a tree that is already built: CMake speaks only when it
# configures, Ninja only when it has work.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
which=$1
dir=build/$which
args=(-G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" -Wno-dev)
case $which in
  host) ;;
  x64) args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DTANDREL_HOST_BUILD="$root/build/host") ;;
  x86) args+=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DTANDREL_HOST_BUILD="$root/build/host") ;;
  *) echo "build.sh: no build named $which" >&2; exit 2 ;;
esac

# A folder configured with another generator (older trees used Makefiles)
# is configured afresh.
cache=$dir/CMakeCache.txt
if [ -f "$cache" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$cache"; then
  rm -rf "$cache" "$dir/CMakeFiles"
fi
if [ ! -f "$dir/build.ninja" ]; then
  echo "build: configuring $dir"
  cmake -S . -B "$dir" "${args[@]}" >/dev/null
fi
# The compiler cache is shared by every clone of the project on this machine.
export CCACHE_BASEDIR="$root"
# Ninja's "no work to do" and its glob re-check are noise; anything else it
# says is kept.
cmake --build "$dir" -j "${JOBS:-$(nproc)}" 2>&1 | { grep -v --line-buffered -e '^ninja: no work to do\.$' -e '^\[0/[0-9]*\] Re-checking globbed directories\.\.\.$' || true; }
