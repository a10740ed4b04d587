#!/usr/bin/env python3
"""Writes the application's own pictures next to this script.

    python3 gen_pictures.py [OUTPUT_DIR]

Every picture is pixel art drawn as row strings, one character a pixel,
with a legend per picture. The output is byte-for-byte deterministic, so
the committed files can be checked against a fresh run.
"""

import os
import struct
import sys

# Transparent colour of the button glyphs: the framework takes the colour of
# a glyph's bottom-left pixel as transparent, so it must be used nowhere else.
KEY = (255, 0, 255)

# The 16 colours of the classic 4-bit palette, in their usual order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# --- The pointer picture ----------------------------------------------------

POINTER_SIZE = (127, 115)
POINTER_BACKGROUND = (0, 134, 132)
POINTER_TIP = (56, 48)

# The overlay window keeps only pure black and pure white pixels, so the
# arrow may use no other colour and the background must be neither.
ARROW = [
    'B...........',
    'BB..........',
    'BWB.........',
    'BWWB........',
    'BWWWB.......',
    'BWWWWB......',
    'BWWWWWB.....',
    'BWWWWWWB....',
    'BWWWWWWWB...',
    'BWWWWWWWWB..',
    'BWWWWWWWWWB.',
    'BWWWWWWBBBBB',
    'BWWWBWWB....',
    'BWWBBWWB....',
    'BWB..BWWB...',
    'BB...BWWB...',
    'B.....BWWB..',
    '......BWWB..',
    '.......BWWB.',
    '.......BWWB.',
    '........BB..',
]
ARROW_LEGEND = {'B': (0, 0, 0), 'W': (255, 255, 255)}

# --- Speed-button glyphs ----------------------------------------------------

MOUSE_GREYS = {
    'K': (40, 40, 48),      # outline
    'W': (255, 255, 255),   # highlight
    'L': (222, 222, 226),   # body
    'M': (176, 176, 184),   # shade
    'S': (136, 136, 146),   # deep shade
    'D': (104, 104, 112),   # seams
    'E': (70, 70, 80),      # wheel
}

# A mouse with a badge at its lower right: a green plus to bind, a red minus
# to let go.
_MOUSE = [
    '.......K........',
    '......K.........',
    '...KKKKK........',
    '..KWWDLLK.......',
    '.KWWLELLMK......',
    '.KWLLELLMK......',
    '.KWLLDLLMK......',
    '.KDDDDDDDK......',
    '.KWLLLLLMK......',
    '.KWLLLLLMK......',
    '.KWLLLLLMK......',
    '.KLLLLLLMK......',
    '.KLLLLLLMK......',
    '..KMMMMMK.......',
    '...KKKKK........',
    '................',
]


def _badged(badge, top, left):
    """The mouse with badge's rows written over it from (top, left); '.' in
    the badge leaves the mouse showing."""
    rows = list(_MOUSE)
    for y, line in enumerate(badge):
        row = list(rows[top + y])
        for x, c in enumerate(line):
            if c != '.':
                row[left + x] = c
        rows[top + y] = ''.join(row)
    return rows


GLYPH_INSTALL = _badged([
    '...gggg.',
    '...gGGg.',
    'ggggGGgg',
    'gGGGGGGg',
    'gGGGGGGg',
    'ggggGGgg',
    '...gGGg.',
], 9, 8)
GLYPH_INSTALL_LEGEND = dict(MOUSE_GREYS, **{
    '.': KEY, 'g': (0, 96, 0), 'G': (40, 190, 40)})

GLYPH_UNINSTALL = _badged([
    'rrrrrrrr',
    'rRRRRRRr',
    'rRRRRRRr',
    'rrrrrrrr',
], 11, 8)
GLYPH_UNINSTALL_LEGEND = dict(MOUSE_GREYS, **{
    '.': KEY, 'r': (128, 0, 0), 'R': (230, 40, 40)})

# A red power button; 16 colours, so only classic palette entries.
GLYPH_EXIT = [
    '....................',
    '.......mmmmmm.......',
    '.....mmRRRRRRmm.....',
    '....mRRRRRRRRRRm....',
    '...mRRRRRWWRRRRRm...',
    '..mRRRRRRWWRRRRRRm..',
    '..mRRRWRRWWRRWRRRm..',
    '.mRRRWWRRWWRRWWRRRm.',
    '.mRRWWRRRWWRRRWWRRm.',
    '.mRRWWRRRWWRRRWWRRm.',
    '.mRRWWRRRWWRRRWWRRm.',
    '.mRRWWRRRRRRRRWWRRm.',
    '.mRRWWRRRRRRRRWWRRm.',
    '..mRRWWRRRRRRWWRRm..',
    '..mRRRWWWWWWWWRRRm..',
    '...mRRRWWWWWWRRRm...',
    '....mRRRRRRRRRRm....',
    '.....mmRRRRRRmm.....',
    '.......mmmmmm.......',
    '....................',
]
GLYPH_EXIT_LEGEND = {
    '.': KEY, 'm': (128, 0, 0), 'R': (255, 0, 0), 'W': (255, 255, 255)}

GLYPH_ABOUT = [
    '.....NNNNN......',
    '...NNbbbbBNN....',
    '..NbbBBBBBBBN...',
    '.NbBBBBWWBBBBN..',
    '.NbBBBBWWBBBBN..',
    'NbBBBBBBBBBBBBN.',
    'NbBBBBWWWBBBBBN.',
    'NBBBBBBWWBBBBBN.',
    'NBBBBBBWWBBBBBN.',
    'NBBBBBBWWBBBBDN.',
    '.NBBBBBWWBBBDN..',
    '.NBBBBWWWWBBDN..',
    '..NBBBBBBBBDN...',
    '...NNDDDDDNN....',
    '.....NNNNN......',
]
GLYPH_ABOUT_LEGEND = {
    '.': KEY, 'N': (16, 40, 120), 'B': (40, 100, 220), 'b': (120, 170, 245),
    'D': (24, 70, 170), 'W': (255, 255, 255)}

# --- Icons ------------------------------------------------------------------

# Window icon: the system's pointer and our second one. '.' is transparent.
APP_ICON = [
    '................................',
    '................................',
    '...K............................',
    '...KK...........................',
    '...KWK..........................',
    '...KWWK.........................',
    '...KWWWK........................',
    '...KWWWWK.......................',
    '...KWWWWWK......................',
    '...KWWWWWWK.....................',
    '...KWWWWWWWK....K...............',
    '...KWWWWWWWWK...KK..............',
    '...KWWWWWWWWWK..KFK.............',
    '...KWWWWWWKKKKK.KFFK............',
    '...KWWWKWWK.....KFFFK...........',
    '...KWWKKWWK.....KFFFFK..........',
    '...KWK..KWWK....KFFFFFK.........',
    '...KK...KWWK....KFFFFFFK........',
    '...K.....KWWK...KFFFFFFFK.......',
    '.........KWWK...KFFFFFFFFK......',
    '..........KWWK..KFFFFFFFFFK.....',
    '..........KWWK..KFFFFFFKKKKK....',
    '...........KK...KFFFKFFK........',
    '................KFFKKFFK........',
    '................KFK..KFFK.......',
    '................KK...KFFK.......',
    '................K.....KFFK......',
    '......................KFFK......',
    '.......................KFFK.....',
    '.......................KFFK.....',
    '........................KK......',
    '................................',
]
APP_ICON_LEGEND = {
    '.': None, 'K': (0, 0, 0), 'W': (255, 255, 255),
    'F': (0, 0, 255)}

# Tray icon: a computer mouse on its cable.
MOUSE_32 = [
    '.....................KK.........',
    '...................KK...........',
    '.................KK.............',
    '................K...............',
    '...............K................',
    '...............K................',
    '............KKKKKKK.............',
    '..........KKWWLDLLMKK...........',
    '.........KWWLLLDLLLLMK..........',
    '.........KWWLLKKKLLLMK..........',
    '........KWWLLLKEKLLLLMK.........',
    '........KWWLLLKEKLLLLMK.........',
    '........KWWLLLKEKLLLLMK.........',
    '.......KWWLLLLKKKLLLLLMK........',
    '.......KWWLLLLLDLLLLLLMK........',
    '.......KWWLLLLLDLLLLLLMK........',
    '.......KDDDDDDDDDDDDDDDK........',
    '.......KWWLLLLLLLLLLLLMK........',
    '.......KWLLLLLLLLLLLLLMK........',
    '.......KWLLLLLLLLLLLLLMK........',
    '.......KWLLLLLLLLLLLLLMK........',
    '.......KWLLLLLLLLLLLLLMK........',
    '.......KWLLLLLLLLLLLLMMK........',
    '.......KWLLLLLLLLLLLLMMK........',
    '........KWLLLLLLLLLLMMK.........',
    '........KLLLLLLLLLLLMMK.........',
    '........KLLLLLLLLLLLMMK.........',
    '.........KLLLLLLLMMMSK..........',
    '.........KMMMMMMMMMMSK..........',
    '..........KKMMMMMMSKK...........',
    '............KKKKKKK.............',
    '................................',
]
MOUSE_16 = [
    '.........KK.....',
    '........K.......',
    '.......K........',
    '.....KKKKK......',
    '...KKWWDLLKK....',
    '...KWWLELLMK....',
    '..KWWLLELLLMK...',
    '..KWLLLDLLLMK...',
    '..KDDDDDDDDDK...',
    '..KWLLLLLLLMK...',
    '..KWLLLLLLLMK...',
    '..KWLLLLLLMMK...',
    '..KLLLLLLLMMK...',
    '...KLLLLLMMK....',
    '...KKMMMMSKK....',
    '.....KKKKK......',
]
MOUSE_LEGEND = dict(MOUSE_GREYS, **{'.': None})

# Partial alpha is only for the 32-bit image; older renderers ignore it.
SHADOW_ALPHA = 72


# --- Pixel art helpers ------------------------------------------------------

def require(cond, what):
    # Not assert: the guards must hold under python -O too.
    if not cond:
        raise SystemExit(f'gen_pictures: {what}')


def art_pixels(rows, legend):
    """Turns row strings into rows of legend values, checking the shape."""
    width = len(rows[0])
    for y, row in enumerate(rows):
        require(len(row) == width,
                f'row {y} is {len(row)} wide, not {width}')
        for ch in row:
            require(ch in legend, f'no colour for {ch!r} in row {y}')
    return [[legend[ch] for ch in row] for row in rows]


def pointer_pixels():
    width, height = POINTER_SIZE
    grid = [[POINTER_BACKGROUND] * width for _ in range(height)]
    left, top = POINTER_TIP
    for y, row in enumerate(ARROW):
        for x, ch in enumerate(row):
            if ch != '.':
                grid[top + y][left + x] = ARROW_LEGEND[ch]
    check_pointer(grid)
    return grid


def check_pointer(grid):
    """Guards the pointer's fixed facts against edits to the drawing."""
    black = [(x, y) for y, row in enumerate(grid)
             for x, c in enumerate(row) if c == (0, 0, 0)]
    white = [(x, y) for y, row in enumerate(grid)
             for x, c in enumerate(row) if c == (255, 255, 255)]
    background = sum(row.count(POINTER_BACKGROUND) for row in grid)
    require(len(black) == 53, f'{len(black)} black pixels')
    require(len(white) == 73, f'{len(white)} white pixels')
    require(background == 14479, f'{background} background pixels')
    arrow = black + white
    xs = [x for x, _ in arrow]
    ys = [y for _, y in arrow]
    box = (min(xs), max(xs), min(ys), max(ys))
    require(box == (56, 67, 48, 68), f'arrow spans columns and rows {box}')
    first = min(arrow, key=lambda p: (p[1], p[0]))
    require(first == POINTER_TIP and first in black, 'tip misplaced')


def check_glyph(rows, legend):
    """The key colour must mark the bottom-left pixel and nothing drawn."""
    require(legend['.'] == KEY, 'background is not the key colour')
    require(rows[-1][0] == '.', 'bottom-left pixel must be transparent')
    others = [c for ch, c in legend.items() if ch != '.']
    require(KEY not in others, 'key colour used for drawing')


# --- File writers -----------------------------------------------------------

def row_stride(width, bpp):
    return (width * bpp + 31) // 32 * 4


def pack_indices(indices, bpp):
    """Packs one row of palette indices, high nibble first for 4 bits."""
    if bpp == 8:
        return bytes(indices)
    require(bpp == 4, f'cannot pack {bpp} bits')
    padded = list(indices) + [0] * (len(indices) % 2)
    return bytes(padded[i] << 4 | padded[i + 1]
                 for i in range(0, len(padded), 2))


def pad(data, length):
    return data + bytes(length - len(data))


def info_header(width, height, bpp, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0,
                       image_size, 0, 0, 0, 0)


def palette_bytes(colours, bpp):
    entries = list(colours) + [(0, 0, 0)] * ((1 << bpp) - len(colours))
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in entries)


def make_palette(pixels, bpp, fixed=None):
    """Returns (palette, index rows); a fixed palette must hold all colours."""
    palette = list(fixed) if fixed else []
    for row in pixels:
        for c in row:
            if c not in palette:
                require(fixed is None, f'{c} is not in the fixed palette')
                palette.append(c)
    require(len(palette) <= 1 << bpp, f'{len(palette)} colours')
    return palette, [[palette.index(c) for c in row] for row in pixels]


def bmp_file(pixels, bpp, fixed_palette=None):
    """A bottom-up BMP: 24 bits direct, or 4/8 bits with a full palette."""
    height, width = len(pixels), len(pixels[0])
    stride = row_stride(width, bpp)
    if bpp == 24:
        colour_table = b''
        rows = [b''.join(bytes((b, g, r)) for r, g, b in row)
                for row in pixels]
    else:
        palette, indices = make_palette(pixels, bpp, fixed_palette)
        colour_table = palette_bytes(palette, bpp)
        rows = [pack_indices(row, bpp) for row in indices]
    bits = b''.join(pad(row, stride) for row in reversed(rows))
    offset = 14 + 40 + len(colour_table)
    header = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    return (header + info_header(width, height, bpp, len(bits))
            + colour_table + bits)


def and_mask(pixels):
    """One bit a pixel, set where the screen shows through."""
    width = len(pixels[0])
    stride = row_stride(width, 1)
    out = b''
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, c in enumerate(row):
            if c is None or (len(c) == 4 and c[3] < 255):
                bits[x >> 3] |= 0x80 >> (x & 7)
        out += bits
    return out


def icon_image(pixels, bpp, fixed_palette=None):
    """One icon image: header with doubled height, XOR bits, AND mask.

    Pixels are RGB tuples, RGBA tuples (32 bits only) or None for
    transparent. Transparent pixels are black in the XOR bits so that the
    classic AND-then-XOR drawing leaves the screen untouched.
    """
    height, width = len(pixels), len(pixels[0])
    stride = row_stride(width, bpp)
    if bpp == 32:
        colour_table = b''
        rows = []
        for row in pixels:
            rgba = [(0, 0, 0, 0) if c is None else
                    c if len(c) == 4 else c + (255,) for c in row]
            rows.append(b''.join(bytes((b, g, r, a)) for r, g, b, a in rgba))
    else:
        solid = [[(0, 0, 0) if c is None else c for c in row]
                 for row in pixels]
        palette, indices = make_palette(solid, bpp, fixed_palette)
        colour_table = palette_bytes(palette, bpp)
        rows = [pack_indices(row, bpp) for row in indices]
    xor = b''.join(pad(row, stride) for row in reversed(rows))
    mask = and_mask(pixels)
    return (info_header(width, height * 2, bpp, len(xor) + len(mask))
            + colour_table + xor + mask)


def ico_file(images):
    """images: list of (pixels, bpp, image bytes)."""
    out_dir = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b'', b''
    for pixels, bpp, blob in images:
        height, width = len(pixels), len(pixels[0])
        colours = 1 << bpp if bpp < 8 else 0
        entries += struct.pack('<BBBBHHII', width % 256, height % 256,
                               colours, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
        blobs += blob
    return out_dir + entries + blobs


def with_shadow(pixels):
    """Adds a soft one-pixel drop shadow below and right of the shape."""
    out = [list(row) for row in pixels]
    height, width = len(pixels), len(pixels[0])
    for y in range(height):
        for x in range(width):
            if pixels[y][x] is not None:
                continue
            if x > 0 and y > 0 and pixels[y - 1][x - 1] is not None:
                out[y][x] = (0, 0, 0, SHADOW_ALPHA)
    return out


# --- The pictures -----------------------------------------------------------

def glyph(rows, legend, bpp, fixed_palette=None):
    check_glyph(rows, legend)
    return bmp_file(art_pixels(rows, legend), bpp, fixed_palette)


def build_all():
    """Returns {file name: bytes} for every picture."""
    mouse16 = art_pixels(MOUSE_16, MOUSE_LEGEND)
    mouse32 = art_pixels(MOUSE_32, MOUSE_LEGEND)
    app = art_pixels(APP_ICON, APP_ICON_LEGEND)
    for pixels, size in ((mouse16, 16), (mouse32, 32), (app, 32)):
        require(len(pixels) == len(pixels[0]) == size,
                f'icon not {size}x{size}')
    return {
        'pointer.bmp': bmp_file(pointer_pixels(), 24),
        'glyph_install.bmp': glyph(GLYPH_INSTALL, GLYPH_INSTALL_LEGEND, 8),
        'glyph_uninstall.bmp':
            glyph(GLYPH_UNINSTALL, GLYPH_UNINSTALL_LEGEND, 8),
        'glyph_exit.bmp': glyph(GLYPH_EXIT, GLYPH_EXIT_LEGEND, 4, VGA16),
        'glyph_about.bmp': glyph(GLYPH_ABOUT, GLYPH_ABOUT_LEGEND, 8),
        'app.ico': ico_file([(app, 4, icon_image(app, 4, VGA16))]),
        'mouse.ico': ico_file([
            (mouse16, 8, icon_image(mouse16, 8)),
            (mouse32, 8, icon_image(mouse32, 8)),
            (mouse32, 32, icon_image(with_shadow(mouse32), 32)),
        ]),
    }


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.dirname(
        os.path.abspath(__file__))
    for name, data in build_all().items():
        with open(os.path.join(out_dir, name), 'wb') as f:
            f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
