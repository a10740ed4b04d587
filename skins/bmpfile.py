"""Reading and writing uncompressed Windows BMP files (standard library only).

Skin bitmaps are written with a 14-byte file header and a 40-byte info
header, BI_RGB, bottom-up rows padded to four bytes. Pixels travel as rows
of (r, g, b) tuples so the same code serves the generator, the checker and
ad-hoc viewers.
"""

import struct

FILE_HEADER = struct.Struct("<2sIHHI")
INFO_HEADER = struct.Struct("<IiiHHIIiiII")
BI_RGB = 0
DEPTHS = (1, 4, 8, 16, 24, 32)


class BmpError(ValueError):
    pass


def row_stride(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def _pack_row(row, bpp, index):
    if bpp == 24:
        return b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row)
    if bpp == 32:
        # Alpha stays 255 everywhere: transparency is the fuchsia key, and a
        # zero alpha would invite premultiplying loaders to turn the key black.
        return b"".join(struct.pack("<BBBB", b, g, r, 255) for r, g, b in row)
    if bpp == 16:
        return b"".join(struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
                        for r, g, b in row)
    # Indexed: pack palette indexes most significant bits first.
    per_byte = 8 // bpp
    out = bytearray()
    for start in range(0, len(row), per_byte):
        byte = 0
        for k in range(per_byte):
            i = index[row[start + k]] if start + k < len(row) else 0
            byte |= i << (8 - bpp * (k + 1))
        out.append(byte)
    return bytes(out)


def palette_of(rows):
    """Sorted distinct colours of an image: a deterministic palette."""
    return sorted({px for row in rows for px in row})


def encode(rows, bpp, palette=None):
    """Return the bytes of a BMP file holding `rows` (top row first)."""
    if bpp not in (4, 8, 16, 24, 32):
        raise BmpError(f"cannot write {bpp} bits per pixel")
    height = len(rows)
    width = len(rows[0]) if height else 0
    if width == 0 or any(len(r) != width for r in rows):
        raise BmpError("rows must be non-empty and of equal length")
    index = None
    if bpp <= 8:
        palette = list(palette) if palette is not None else palette_of(rows)
        if len(palette) > (1 << bpp):
            raise BmpError(f"{len(palette)} colours do not fit {bpp} bits per pixel")
        index = {c: i for i, c in enumerate(palette)}
    else:
        palette = []
    stride = row_stride(width, bpp)
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        packed = _pack_row(row, bpp, index)
        pixels += packed + b"\0" * (stride - len(packed))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = FILE_HEADER.size + INFO_HEADER.size + len(table)
    info = INFO_HEADER.pack(INFO_HEADER.size, width, height, 1, bpp, BI_RGB,
                            len(pixels), 0, 0, len(palette), 0)
    head = FILE_HEADER.pack(b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + table + bytes(pixels)


def write(path, rows, bpp, palette=None):
    with open(path, "wb") as f:
        f.write(encode(rows, bpp, palette))


class BmpInfo:
    """The header fields of a parsed BMP file."""

    def __init__(self, width, height, bpp, offset, palette, stride, bottom_up):
        self.width = width
        self.height = height
        self.bpp = bpp
        self.offset = offset
        self.palette = palette
        self.stride = stride
        self.bottom_up = bottom_up


def parse_header(data):
    """Validate the headers of an uncompressed BMP and return its BmpInfo."""
    if len(data) < FILE_HEADER.size + INFO_HEADER.size:
        raise BmpError("file too short for the headers")
    magic, file_size, _, _, offset = FILE_HEADER.unpack_from(data, 0)
    if magic != b"BM":
        raise BmpError("no BM signature")
    if file_size != len(data):
        raise BmpError(f"header says {file_size} bytes, file has {len(data)}")
    (size, width, height, planes, bpp, compression, image_size,
     _, _, used, _) = INFO_HEADER.unpack_from(data, FILE_HEADER.size)
    if size != 40:
        raise BmpError(f"info header is {size} bytes, not 40")
    if planes != 1:
        raise BmpError(f"{planes} planes")
    if bpp not in DEPTHS:
        raise BmpError(f"{bpp} bits per pixel")
    if compression != BI_RGB:
        raise BmpError(f"compression {compression}, not BI_RGB")
    if width <= 0 or height == 0:
        raise BmpError(f"bad size {width} x {height}")
    colours = (used or (1 << bpp)) if bpp <= 8 else used
    if bpp <= 8 and colours > (1 << bpp):
        raise BmpError(f"{colours} palette entries for {bpp} bits per pixel")
    table_end = FILE_HEADER.size + size + 4 * colours
    if offset < table_end:
        raise BmpError("pixel data overlaps the headers or palette")
    stride = row_stride(width, bpp)
    needed = stride * abs(height)
    if image_size not in (0, needed):
        raise BmpError(f"image size field {image_size}, expected {needed}")
    if offset + needed > len(data):
        raise BmpError("pixel data runs past the end of the file")
    palette = []
    for i in range(colours if bpp <= 8 else 0):
        b, g, r, _ = struct.unpack_from("<BBBB", data, FILE_HEADER.size + size + 4 * i)
        palette.append((r, g, b))
    return BmpInfo(width, abs(height), bpp, offset, palette, stride, height > 0)


def decode(data):
    """Return (BmpInfo, rows) with rows top first, as (r, g, b) tuples."""
    info = parse_header(data)
    rows = []
    for y in range(info.height):
        stored = info.height - 1 - y if info.bottom_up else y
        start = info.offset + stored * info.stride
        raw = data[start:start + info.stride]
        rows.append(_unpack_row(raw, info))
    return info, rows


def _unpack_row(raw, info):
    w, bpp = info.width, info.bpp
    if bpp == 24:
        return [(raw[3 * x + 2], raw[3 * x + 1], raw[3 * x]) for x in range(w)]
    if bpp == 32:
        return [(raw[4 * x + 2], raw[4 * x + 1], raw[4 * x]) for x in range(w)]
    if bpp == 16:
        out = []
        for x in range(w):
            v = raw[2 * x] | (raw[2 * x + 1] << 8)
            r, g, b = (v >> 10) & 31, (v >> 5) & 31, v & 31
            out.append(((r << 3) | (r >> 2), (g << 3) | (g >> 2), (b << 3) | (b >> 2)))
        return out
    per_byte = 8 // bpp
    mask = (1 << bpp) - 1
    out = []
    for x in range(w):
        byte = raw[x // per_byte]
        i = (byte >> (8 - bpp * (x % per_byte + 1))) & mask
        if i >= len(info.palette):
            raise BmpError(f"palette index {i} out of range")
        out.append(info.palette[i])
    return out


def read(path):
    with open(path, "rb") as f:
        return decode(f.read())
