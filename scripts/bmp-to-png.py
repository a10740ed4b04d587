#!/usr/bin/env python3
"""bmp-to-png.py IN.bmp OUT.png: converts a screenshot and removes the BMP.

The PNG carries no time or other metadata, so the same pixels always give
the same file and a refresh changes only the pictures that changed.
"""
import os
import sys

from PIL import Image


def main():
    if len(sys.argv) != 3:
        print('usage: bmp-to-png.py IN.bmp OUT.png', file=sys.stderr)
        return 2
    source, target = sys.argv[1:]
    with Image.open(source) as image:
        image.convert('RGB').save(target, 'PNG', optimize=True)
    os.remove(source)
    return 0


if __name__ == '__main__':
    sys.exit(main())
