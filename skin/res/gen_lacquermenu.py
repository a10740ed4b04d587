#!/usr/bin/env python3
"""Writes lacquermenu.bmp: the skin engine's menu glyphs.

Four 16 x 16 glyphs side by side in one 64 x 16 image at 1 bit per pixel,
black on white (white is the transparent colour): restore (two overlapping
windows), maximise (one window), minimise (a short bar) and close (a cross).

    python3 skin/res/gen_lacquermenu.py            # rewrite the bitmap
    python3 skin/res/gen_lacquermenu.py --check    # fail if it differs
"""

import struct
import sys
from pathlib import Path

SIZE = 16
COUNT = 4
WIDTH = SIZE * COUNT
OUT = Path(__file__).with_name("lacquermenu.bmp")


def window(pixels, left, top, right, bottom):
    """A window outline with a two-pixel title bar; right and bottom inclusive."""
    for x in range(left, right + 1):
        pixels.add((x, top))
        pixels.add((x, top + 1))
        pixels.add((x, bottom))
    for y in range(top, bottom + 1):
        pixels.add((left, y))
        pixels.add((right, y))


def restore():
    pixels = set()
    window(pixels, 5, 2, 13, 9)
    front = set()
    window(front, 2, 6, 10, 13)
    # The front window hides what lies behind it.
    pixels = {(x, y) for (x, y) in pixels if not (2 <= x <= 10 and 6 <= y <= 13)} | front
    return pixels


def maximise():
    pixels = set()
    window(pixels, 2, 2, 13, 13)
    return pixels


def minimise():
    return {(x, y) for x in range(4, 12) for y in (11, 12)}


def close():
    pixels = set()
    for i in range(3, 13):
        for d in (0, 1):
            if i + d <= 12:
                pixels.add((i + d, i))
                pixels.add((15 - i - d, i))
    return pixels


def image():
    rows = [[1] * WIDTH for _ in range(SIZE)]  # palette index 1: white
    for n, glyph in enumerate((restore(), maximise(), minimise(), close())):
        for x, y in glyph:
            rows[y][n * SIZE + x] = 0  # palette index 0: black
    return rows


def bmp(rows):
    stride = ((WIDTH + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray(stride)
        for x, bit in enumerate(row):
            if bit:
                line[x // 8] |= 0x80 >> (x % 8)
        data += line
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, SIZE, 1, 1, 0, len(data), 2835, 2835, 2, 2)
    return header + info + palette + bytes(data)


def main():
    data = bmp(image())
    if "--check" in sys.argv[1:]:
        if not OUT.exists() or OUT.read_bytes() != data:
            print(f"{OUT} does not match its generator", file=sys.stderr)
            return 1
        return 0
    OUT.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
