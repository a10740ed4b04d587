#!/usr/bin/env bash
# Leaves the downloads of the product, the 32-bit build, in dist/: its setup,
# its portable zip and SHA256SUMS for both. Run after `make build`.
# The zip's entries carry the commit's time, so two runs on one commit give
# the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

env=build/x86/installer/dist.env
if [ ! -f "$env" ]; then
  echo "dist: build/x86 made no setup (is Debian's nsis installed? make deps installs it)" >&2
  exit 1
fi
# shellcheck source=/dev/null
. "$env"
for f in "$TANDREL_SETUP" "$TANDREL_STAGE/Tandrel.exe"; do
  [ -f "$f" ] || { echo "dist: $f is missing; build first (make build)" >&2; exit 1; }
done

setup="Tandrel-$TANDREL_VERSION-setup.exe"
zip="Tandrel-$TANDREL_VERSION-portable.zip"
rm -rf dist
mkdir -p dist
cp "$TANDREL_SETUP" "dist/$setup"
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || true) \
  python3 installer/make_zip.py "$TANDREL_STAGE" "dist/$zip"
(cd dist && sha256sum "$setup" "$zip" >SHA256SUMS)
echo "dist: Tandrel $TANDREL_VERSION in dist/: $setup, $zip, SHA256SUMS"
