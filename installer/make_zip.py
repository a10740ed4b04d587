#!/usr/bin/env python3
"""Packs a folder into a zip that is the same, byte for byte, each time it is
made from the same files: entries sorted by name, one fixed time stamp
(SOURCE_DATE_EPOCH when set, as `make dist` sets it to the commit's time),
fixed permissions, no folder entries.

    make_zip.py FOLDER OUT.zip
"""
import os
import sys
import time
import zipfile

# 2026-01-01 00:00 UTC, for builds outside a git checkout.
DEFAULT_EPOCH = 1767225600


def stamp():
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH") or DEFAULT_EPOCH)
    # Zip times have a 2 s resolution and start in 1980.
    return time.gmtime(max(epoch, 315532800))[:6]


def entries(folder):
    found = []
    for parent, dirs, files in os.walk(folder):
        for name in files:
            path = os.path.join(parent, name)
            found.append((os.path.relpath(path, folder).replace(os.sep, "/"), path))
    return sorted(found)


def make_zip(folder, out):
    when = stamp()
    tmp = out + ".tmp"
    with zipfile.ZipFile(tmp, "w") as archive:
        for name, path in entries(folder):
            info = zipfile.ZipInfo(name, date_time=when)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3
            info.external_attr = 0o100644 << 16
            with open(path, "rb") as f:
                archive.writestr(info, f.read(), compresslevel=9)
    os.replace(tmp, out)


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    make_zip(argv[1], argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
