#!/usr/bin/env python3
"""Re-reads the pictures in this folder and checks what the program relies on.

    python3 check_pictures.py [FOLDER]

Reads the files with its own decoder (not the generator's writer), checks
headers, sizes, depths and the pointer's pixel facts, and regenerates
everything into a temporary folder to catch committed files that went stale.
Exits 1 on the first group of failures, listing them all.
"""

import os
import struct
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
FUCHSIA = (255, 0, 255)


class BadFile(Exception):
    pass


def need(cond, what):
    if not cond:
        raise BadFile(what)


def read_dib(data, offset, height_factor=1):
    """Decodes a BITMAPINFOHEADER image at offset.

    Returns (info dict, rows of pixels top-down, end offset). Pixels are RGB
    tuples, or RGBA for 32 bits. height_factor is 2 inside icons, where the
    header height counts the AND mask too.
    """
    need(len(data) >= offset + 40, 'truncated info header')
    (size, width, height, planes, bpp, compression, image_size,
     _, _, clr_used, _) = struct.unpack_from('<IiiHHIIiiII', data, offset)
    need(size == 40, f'info header size {size}')
    need(planes == 1, f'{planes} planes')
    need(compression == 0, f'compression {compression}')
    need(bpp in (4, 8, 24, 32), f'{bpp} bits per pixel')
    need(height > 0 and height % height_factor == 0, f'height {height}')
    height //= height_factor
    colours = (clr_used or 1 << bpp) if bpp <= 8 else 0
    pos = offset + 40
    palette = []
    for i in range(colours):
        b, g, r, _ = struct.unpack_from('<BBBB', data, pos + 4 * i)
        palette.append((r, g, b))
    pos += 4 * colours
    stride = (width * bpp + 31) // 32 * 4
    need(len(data) >= pos + stride * height, 'truncated pixel data')
    rows = []
    for y in range(height):
        raw = data[pos + stride * (height - 1 - y):][:stride]
        if bpp == 4:
            idx = [raw[x >> 1] >> (4 if x % 2 == 0 else 0) & 15
                   for x in range(width)]
        elif bpp == 8:
            idx = list(raw[:width])
        if bpp <= 8:
            need(max(idx) < colours, 'index past the palette')
            rows.append([palette[i] for i in idx])
        elif bpp == 24:
            rows.append([tuple(raw[3 * x:3 * x + 3][::-1])
                         for x in range(width)])
        else:
            rows.append([(raw[4 * x + 2], raw[4 * x + 1], raw[4 * x],
                          raw[4 * x + 3]) for x in range(width)])
    info = dict(width=width, height=height, bpp=bpp, image_size=image_size,
                colours=colours, palette=palette, stride=stride)
    return info, rows, pos + stride * height


def read_bmp(data):
    need(data[:2] == b'BM', 'not a BMP')
    _, file_size, _, _, offset = struct.unpack_from('<2sIHHI', data)
    need(file_size == len(data), f'file size field {file_size}')
    info, rows, end = read_dib(data, 14)
    need(offset == 14 + 40 + 4 * info['colours'], f'pixel offset {offset}')
    need(end == len(data), f'{len(data) - end} bytes after the pixels')
    return info, rows


def read_ico(data):
    """Returns a list of (entry dict, info, pixel rows, and-mask rows)."""
    reserved, kind, count = struct.unpack_from('<HHH', data)
    need((reserved, kind) == (0, 1) and count > 0, 'not an icon file')
    images, spans = [], []
    for i in range(count):
        w, h, colours, res, planes, bpp, size, offset = struct.unpack_from(
            '<BBBBHHII', data, 6 + 16 * i)
        need(res == 0 and planes == 1, f'entry {i}: reserved/planes')
        need(offset + size <= len(data), f'entry {i} past the end')
        spans.append((offset, offset + size))
        info, rows, pos = read_dib(data, offset, height_factor=2)
        need((info['width'], info['height']) == (w or 256, h or 256),
             f'entry {i}: header size differs from directory')
        need(info['bpp'] == bpp, f'entry {i}: depth differs from directory')
        need(colours == (1 << bpp if bpp < 8 else 0),
             f'entry {i}: colour count {colours}')
        mask_stride = (info['width'] + 31) // 32 * 4
        mask = [[data[pos + mask_stride * (info['height'] - 1 - y) + (x >> 3)]
                 >> (7 - (x & 7)) & 1 for x in range(info['width'])]
                for y in range(info['height'])]
        end = pos + mask_stride * info['height']
        need(end == offset + size, f'entry {i}: size {size} != {end - offset}')
        images.append((dict(width=w, height=h, bpp=bpp), info, rows, mask))
    spans.sort()
    need(spans[0][0] == 6 + 16 * count, 'gap after the directory')
    for (_, a_end), (b_start, _) in zip(spans, spans[1:]):
        need(a_end == b_start, 'images overlap or leave gaps')
    need(spans[-1][1] == len(data), 'bytes after the last image')
    return images


def count(rows, colour):
    return sum(row.count(colour) for row in rows)


def check_pointer(data):
    need(len(data) == 44214, f'{len(data)} bytes')
    info, rows = read_bmp(data)
    need((info['width'], info['height'], info['bpp']) == (127, 115, 24),
         'not 127x115x24')
    need(info['stride'] == 384 and info['image_size'] == 44160,
         'row padding or image size')
    black, white = (0, 0, 0), (255, 255, 255)
    need(count(rows, (0, 134, 132)) == 14479, 'background count')
    need(count(rows, black) == 53, f'{count(rows, black)} black')
    need(count(rows, white) == 73, f'{count(rows, white)} white')
    arrow = [(x, y) for y, row in enumerate(rows)
             for x, c in enumerate(row) if c in (black, white)]
    xs, ys = [x for x, _ in arrow], [y for _, y in arrow]
    need((min(xs), max(xs), min(ys), max(ys)) == (56, 67, 48, 68),
         'arrow bounding box')
    need(rows[48][56] == black and arrow[0] == (56, 48), 'tip not at 56,48')


def check_glyph(data, size, bpp):
    info, rows = read_bmp(data)
    need((info['width'], info['height'], info['bpp']) == size + (bpp,),
         f"{info['width']}x{info['height']}x{info['bpp']}")
    need(info['colours'] == 1 << bpp, f"{info['colours']} palette entries")
    key = rows[-1][0]
    need(key == FUCHSIA, f'bottom-left colour {key}')
    for corner in (rows[0][0], rows[0][-1], rows[-1][-1]):
        need(corner == key, 'a corner is not transparent')
    drawn = [c for row in rows for c in row if c != key]
    need(len(drawn) >= size[0] * size[1] // 4, 'almost nothing drawn')
    need(len(set(drawn)) >= 3, 'too few colours to be a picture')


def check_opaque_region(info, rows, mask, what):
    """Masked pixels must be black (or zero alpha) so they draw as nothing."""
    opaque = 0
    for row, bits in zip(rows, mask):
        for c, bit in zip(row, bits):
            if info['bpp'] == 32:
                need(bit == (c[3] < 255), f'{what}: mask and alpha disagree')
                need(not bit or c[:3] == (0, 0, 0), f'{what}: masked colour')
            else:
                need(not bit or c == (0, 0, 0), f'{what}: masked colour')
            opaque += not bit
    total = info['width'] * info['height']
    need(total // 8 < opaque < total, f'{what}: {opaque} opaque pixels')
    need(mask[-1][0] and mask[0][0], f'{what}: corners not transparent')


def check_app_icon(data):
    need(len(data) == 766, f'{len(data)} bytes')
    images = read_ico(data)
    need(len(images) == 1, f'{len(images)} images')
    entry, info, rows, mask = images[0]
    need((entry['width'], entry['height'], entry['bpp']) == (32, 32, 4),
         'not 32x32x4')
    need(info['colours'] == 16, 'palette is not 16 colours')
    check_opaque_region(info, rows, mask, 'app.ico')


def check_tray_icon(data):
    images = read_ico(data)
    kinds = {(e['width'], e['bpp']) for e, _, _, _ in images}
    need({16, 32} <= {w for w, _ in kinds}, 'needs 16 and 32 pixel images')
    need(any(bpp in (4, 8) for _, bpp in kinds), 'no paletted image')
    for entry, info, rows, mask in images:
        what = f"mouse.ico {entry['width']}x{entry['bpp']}"
        need(entry['width'] == entry['height'], f'{what}: not square')
        check_opaque_region(info, rows, mask, what)


def check_up_to_date(folder):
    sys.dont_write_bytecode = True  # keep the folder free of caches
    sys.path.insert(0, HERE)
    import gen_pictures
    with tempfile.TemporaryDirectory() as tmp:
        gen_pictures.main(['gen_pictures.py', tmp])
        for name in sorted(os.listdir(tmp)):
            with open(os.path.join(tmp, name), 'rb') as fresh, \
                    open(os.path.join(folder, name), 'rb') as kept:
                need(fresh.read() == kept.read(),
                     f'{name} differs from a fresh run of gen_pictures.py')


CHECKS = [
    ('pointer.bmp', check_pointer),
    ('glyph_install.bmp', lambda d: check_glyph(d, (16, 16), 8)),
    ('glyph_uninstall.bmp', lambda d: check_glyph(d, (16, 16), 8)),
    ('glyph_exit.bmp', lambda d: check_glyph(d, (20, 20), 4)),
    ('glyph_about.bmp', lambda d: check_glyph(d, (16, 15), 8)),
    ('app.ico', check_app_icon),
    ('mouse.ico', check_tray_icon),
]


def main(argv):
    folder = argv[1] if len(argv) > 1 else HERE
    failures = 0
    for name, check in CHECKS:
        try:
            with open(os.path.join(folder, name), 'rb') as f:
                check(f.read())
        except (BadFile, OSError, struct.error) as e:
            print(f'{name}: FAILED: {e}')
            failures += 1
    try:
        check_up_to_date(folder)
    except (BadFile, OSError) as e:
        print(f'generated files: FAILED: {e}')
        failures += 1
    passed = len(CHECKS) + 1 - failures
    print(f'{passed} passed, {failures} failed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
