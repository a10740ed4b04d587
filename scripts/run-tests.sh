#!/usr/bin/env bash
# Runs the whole suite on both builds, each test under the Wine of its own
# size, inside with-wine.sh: the 32-bit build (the product) first, then the
# 64-bit one, which also runs the tests that are no Windows program. Both
# suites run even when the first fails; the run fails when either does.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

status=0
if why=$("$root/scripts/wine32.sh" --check); then
  echo "test: the 32-bit build, the product (build/x86)"
else
  echo "test: the 32-bit build, the product (build/x86): its Windows programs are skipped: $why"
fi
ctest --test-dir "$root/build/x86" --output-on-failure || status=1
echo
echo "test: the 64-bit build (build/x64)"
ctest --test-dir "$root/build/x64" --output-on-failure || status=1
exit $status
