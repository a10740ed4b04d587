#!/usr/bin/env bash
# Whether this machine runs 32-bit Windows programs, decided by running the
# 32-bit Wine loader rather than by guessing.
#   wine32.sh --check          exit 0 when they run; otherwise print why, exit 1
#   wine32.sh --gate CMD...    run CMD when they run; otherwise print why, exit 77
#   wine32.sh PROG.exe ARGS... run a 32-bit program (the x86 build's test
#                              launcher); exit 77 with the reason when it cannot
# Exit code 77 is what CTest is told to report as "skipped".
set -uo pipefail

loader32=/usr/lib/wine/wine
wine=/usr/lib/wine/wine64

reason() {
  if [ ! -e "$loader32" ]; then
    echo "the 32-bit Wine (wine32:i386) is not installed"
    return
  fi
  local out
  if out=$("$loader32" --version 2>&1); then
    return
  fi
  out=${out##*: }
  case $out in
    *"Exec format error"*) echo "this machine's kernel does not run 32-bit programs ($loader32: Exec format error)" ;;
    *) echo "the 32-bit Wine does not start ($loader32: ${out:-no reason given})" ;;
  esac
}

why=$(reason)
case ${1:-} in
  --check)
    [ -z "$why" ] && exit 0
    echo "$why"
    exit 1
    ;;
  --gate)
    shift
    if [ -n "$why" ]; then echo "skipped: 32-bit programs cannot run: $why"; exit 77; fi
    exec "$@"
    ;;
  "")
    echo "usage: wine32.sh --check | --gate CMD... | PROG.exe ARGS..." >&2
    exit 2
    ;;
esac
if [ -n "$why" ]; then echo "skipped: 32-bit programs cannot run: $why"; exit 77; fi
# The 64-bit loader hands a 32-bit program to the 32-bit one by itself, on
# the same server and prefix.
exec "$wine" "$@"
