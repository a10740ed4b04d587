#!/usr/bin/env python3
"""check-screenshots.py README OUTDIR

Checks that every picture README names as docs/NAME.png was made in OUTDIR:
the file exists, is a whole PNG, has a sensible size and shows something
(a capture taken before a window painted is one flat colour). Prints one
line per fault and exits 1 when there is one, or when README names none.
"""
import pathlib
import re
import sys

from PIL import Image

REFERENCE = re.compile(r'(?<![\w/.-])docs/([\w.-]+\.png)\b')
SIGNATURE = b'\x89PNG\r\n\x1a\n'
# Smaller than any window worth showing; larger than the test screen.
MIN_SIDE, MAX_SIDE = 32, 4096


def named_pictures(readme_text):
    """The docs/*.png names README refers to, each once, in order."""
    seen = []
    for name in REFERENCE.findall(readme_text):
        if name not in seen:
            seen.append(name)
    return seen


def fault_of(path):
    """What is wrong with one picture, or None."""
    if not path.is_file():
        return 'missing'
    with open(path, 'rb') as f:
        if f.read(len(SIGNATURE)) != SIGNATURE:
            return 'not a PNG file'
    try:
        with Image.open(path) as image:
            image.verify()
        with Image.open(path) as image:
            image.load()
            width, height = image.size
            extrema = image.convert('RGB').getextrema()
    except Exception as e:  # Pillow raises many kinds for damaged files
        return f'damaged PNG ({e})'
    if not (MIN_SIDE <= width <= MAX_SIDE and MIN_SIDE <= height <= MAX_SIDE):
        return f'{width} x {height} pixels is not a sensible size'
    if all(low == high for low, high in extrema):
        return 'one flat colour: nothing was painted'
    return None


def main(argv):
    if len(argv) != 3:
        print('usage: check-screenshots.py README OUTDIR', file=sys.stderr)
        return 2
    readme, outdir = pathlib.Path(argv[1]), pathlib.Path(argv[2])
    names = named_pictures(readme.read_text(encoding='utf-8'))
    if not names:
        print(f'{readme}: names no docs/*.png picture')
        return 1
    faults = [(name, fault_of(outdir / name)) for name in names]
    faults = [(name, fault) for name, fault in faults if fault]
    for name, fault in faults:
        print(f'{outdir / name}: {fault}')
    if not faults:
        print(f'screenshots: all {len(names)} named by {readme.name} are good')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
