#!/usr/bin/python3
"""Generates Dusk, Tandrel's dark skin: dusk/dusk.ini and its 41 bitmaps.

    python3 skins/gen_dusk.py [output folder]       (default: skins/dusk)

Needs NumPy and Pillow, like gen_slate.py. The output is the same on every
run. The palette is in dusk_art.py; the layout and drawing are shared with
Slate (skinparts.py, skindesc.py).
"""

import sys

import skingen
from dusk_art import DuskArt

SKIN = skingen.Skin("Dusk", DuskArt(), "Dusk, a dark skin for Tandrel. Written by gen_dusk.py.")


def generate(out):
    return SKIN.generate(out)


if __name__ == "__main__":
    skingen.main(SKIN, sys.argv)
