#!/usr/bin/python3
"""Generates Slate, Tandrel's default skin: slate/slate.ini and its 41 bitmaps.

    python3 skins/gen_slate.py [output folder]      (default: skins/slate)

Needs NumPy and Pillow (Debian: python3-numpy, python3-pil); Pillow is only
used to rasterise the sample text of preview.bmp. The output is the same on
every run. The palette is in slate_art.py; skinparts.py draws the bitmaps
and skindesc.py lays out the description: change them and run again rather
than editing the bitmaps.
"""

import sys

import skingen
from slate_art import SlateArt

SKIN = skingen.Skin("Slate", SlateArt(), "Slate, the default skin of Tandrel. Written by gen_slate.py.")


def generate(out):
    return SKIN.generate(out)


if __name__ == "__main__":
    skingen.main(SKIN, sys.argv)
