#!/usr/bin/env bash
# Runs the ship tests on a Wine prefix of their own, made afresh each time,
# as a new user's machine would be: nothing installed, nothing remembered.
# The portable zip is made the way `make dist` makes it and unpacked into a
# fresh folder first.
#   run-ship-tests.sh WORK STAGE TESTEXE [ARGS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$1 stage=$2 exe=$3
shift 3
python=python3
[ -x /usr/bin/python3 ] && python=/usr/bin/python3

# The prefix of the last run went with its server when that run ended.
rm -rf "$work"
mkdir -p "$work"
"$python" "$root/installer/make_zip.py" "$stage" "$work/portable.zip"
"$python" -m zipfile -e "$work/portable.zip" "$work/portable"

export TANDREL_STAGE="$stage" TANDREL_PORTABLE="$work/portable"
export WINEPREFIX="$work/prefix"
# Its output goes through a file: a Wine service started on the way keeps
# what it inherits, and the test runner's pipe would never close.
status=0
"$root/scripts/with-wine.sh" --own-display /usr/lib/wine/wine64 "$exe" "$@" </dev/null >"$work/output.txt" 2>&1 ||
  status=$?
cat "$work/output.txt"
exit $status
