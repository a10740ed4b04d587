"""Small raster toolkit for skin artwork (NumPy).

Shapes are signed-distance functions evaluated at pixel centres, so edges on
whole pixels come out exact and slanted or round edges get one pixel of
anti-aliasing. A Layer keeps premultiplied colour plus coverage; `keyed`
turns it into final pixels with fuchsia wherever nothing was painted.
"""

import numpy as np

KEY = (255, 0, 255)


def rgb(c):
    return np.asarray(c, dtype=np.float64)


def grid(w, h, sub_y=None):
    """Pixel-centre coordinates; sub_y lists y samples per row for rows that
    stand for more than one destination row (images the engine stretches)."""
    xs = np.arange(w) + 0.5
    if sub_y is None:
        ys = np.arange(h) + 0.5
        return np.meshgrid(xs, ys)
    return [np.meshgrid(xs, np.arange(h) * len(sub_y) + s) for s in sub_y]


# --- signed distances (negative inside) -----------------------------------

def box(xs, ys, x0, y0, x1, y1, r=0.0):
    """Rounded box; r is one radius or (top-left, top-right, bottom-right, bottom-left)."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0
    px, py = xs - cx, ys - cy
    if isinstance(r, (tuple, list)):
        tl, tr, br, bl = r
        r = np.where(px < 0, np.where(py < 0, tl, bl), np.where(py < 0, tr, br))
    qx = np.abs(px) - hx + r
    qy = np.abs(py) - hy + r
    outside = np.hypot(np.maximum(qx, 0), np.maximum(qy, 0))
    return outside + np.minimum(np.maximum(qx, qy), 0) - r


def circle(xs, ys, cx, cy, r):
    return np.hypot(xs - cx, ys - cy) - r


def segment(xs, ys, ax, ay, bx, by, half):
    pax, pay = xs - ax, ys - ay
    bax, bay = bx - ax, by - ay
    h = np.clip((pax * bax + pay * bay) / (bax * bax + bay * bay), 0, 1)
    return np.hypot(pax - bax * h, pay - bay * h) - half


def polyline(xs, ys, points, half):
    d = None
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        s = segment(xs, ys, ax, ay, bx, by, half)
        d = s if d is None else np.minimum(d, s)
    return d


def union(*ds):
    return np.minimum.reduce(ds)


def subtract(d, cut):
    return np.maximum(d, -cut)


def ring(outer, inner):
    return subtract(outer, inner)


def cover(d):
    """Anti-aliased coverage of a shape."""
    return np.clip(0.5 - d, 0.0, 1.0)


def solid(d):
    """Hard coverage, for edges that meet an unknown background."""
    return (d <= 0).astype(np.float64)


def vgrad(ys, y0, y1, c0, c1):
    t = np.clip((ys - y0) / float(y1 - y0), 0, 1)[..., None]
    return rgb(c0) * (1 - t) + rgb(c1) * t


def mix(c0, c1, t):
    return tuple(float(a) * (1 - t) + float(b) * t for a, b in zip(c0, c1))


# --- layers -----------------------------------------------------------------

class Layer:
    """Premultiplied colour and coverage of one image being painted."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.col = np.zeros((h, w, 3))
        self.a = np.zeros((h, w))

    def paint(self, coverage, colour):
        c = np.clip(coverage, 0, 1)[..., None]
        self.col = rgb(colour) * c + self.col * (1 - c)
        self.a = c[..., 0] + self.a * (1 - c[..., 0])
        return self

    def keyed(self, bg=None, hard=0.5):
        """Final 8-bit pixels. With bg (the colour the engine draws this over)
        partly covered pixels blend into it; without, coverage is cut at
        `hard`. Uncovered pixels become the key colour."""
        if bg is None:
            keep = self.a >= hard
            out = self.col / np.maximum(self.a, 1e-9)[..., None]
        else:
            keep = self.a > 0.04
            out = self.col + rgb(bg) * (1 - self.a)[..., None]
        out = np.clip(np.rint(out), 0, 255).astype(np.uint8)
        near_key = (out[..., 0] == 255) & (out[..., 1] <= 1) & (out[..., 2] == 255)
        if np.any(near_key & keep):
            raise ValueError("an opaque pixel would read as the key colour")
        out[~keep] = KEY
        return out


def opaque(layer):
    if np.any(layer.a < 0.999):
        raise ValueError("image meant to be opaque has uncovered pixels")
    return layer.keyed(hard=0.5)


def hstack(frames):
    return np.concatenate(frames, axis=1)


def vstack(frames):
    return np.concatenate(frames, axis=0)


def to_rows(pixels):
    return [[tuple(int(v) for v in px) for px in row] for row in pixels]


# --- engine-like composition (for previews) ---------------------------------

def frame_of(img, index, count, vertical=False):
    """1-based frame `index` of a strip of `count` frames."""
    h, w = img.shape[:2]
    if vertical:
        fh = h // count
        return img[(index - 1) * fh:index * fh, :]
    fw = w // count
    return img[:, (index - 1) * fw:index * fw]


def stretch(src, w, h):
    """Nearest-pixel stretch, as a colour-on-colour StretchBlt drops or repeats."""
    sh, sw = src.shape[:2]
    if w <= 0 or h <= 0 or sw == 0 or sh == 0:
        return np.zeros((max(h, 0), max(w, 0), 3), np.uint8)
    yi = np.minimum(((np.arange(h) + 0.5) * sh / h).astype(int), sh - 1)
    xi = np.minimum(((np.arange(w) + 0.5) * sw / w).astype(int), sw - 1)
    return src[yi][:, xi]


def tile(src, w, h):
    sh, sw = src.shape[:2]
    if sw == 0 or sh == 0:
        return np.zeros((h, w, 3), np.uint8)
    reps = (-(-h // sh), -(-w // sw), 1)
    return np.tile(src, reps)[:h, :w]


def nine_slice(frame, w, h, left, top, right, bottom, tiled=False):
    """Nine-slice composition of one frame at w x h."""
    fh, fw = frame.shape[:2]
    if w < left + right:
        left = right = 0
    if h < top + bottom:
        top = bottom = 0
    out = np.zeros((h, w, 3), np.uint8)

    def put(sx0, sy0, sx1, sy1, dx0, dy0, dx1, dy1, fill=stretch):
        if dx1 > dx0 and dy1 > dy0 and sx1 > sx0 and sy1 > sy0:
            out[dy0:dy1, dx0:dx1] = fill(frame[sy0:sy1, sx0:sx1], dx1 - dx0, dy1 - dy0)

    put(left, top, fw - right, fh - bottom, left, top, w - right, h - bottom,
        tile if tiled else stretch)
    put(0, top, left, fh - bottom, 0, top, left, h - bottom)
    put(fw - right, top, fw, fh - bottom, w - right, top, w, h - bottom)
    put(left, 0, fw - right, top, left, 0, w - right, top)
    put(left, fh - bottom, fw - right, fh, left, h - bottom, w - right, h)
    put(0, 0, left, top, 0, 0, left, top)
    put(fw - right, 0, fw, top, w - right, 0, w, top)
    put(0, fh - bottom, left, fh, 0, h - bottom, left, h)
    put(fw - right, fh - bottom, fw, fh, w - right, h - bottom, w, h)
    return out


def bar(frame, w, h, left, right):
    """One row: stretched caps, middle repeated along its length."""
    fh, fw = frame.shape[:2]
    out = np.zeros((h, w, 3), np.uint8)
    mid = frame[:, left:fw - right]
    m = mid.shape[1]
    x = left
    while m > 0 and x < w - right:
        piece = stretch(mid, m, h)[:, :max(0, min(m, w - x))]
        out[:, x:x + piece.shape[1]] = piece
        x += m
    if left:
        out[:, :left] = stretch(frame[:, :left], left, h)
    if right:
        out[:, w - right:] = stretch(frame[:, fw - right:], right, h)
    return out


def blit(dst, src, x, y, transparent=True):
    """Copy src onto dst at (x, y), skipping key pixels when transparent."""
    h, w = src.shape[:2]
    H, W = dst.shape[:2]
    x0, y0 = max(x, 0), max(y, 0)
    x1, y1 = min(x + w, W), min(y + h, H)
    if x1 <= x0 or y1 <= y0:
        return
    s = src[y0 - y:y1 - y, x0 - x:x1 - x]
    d = dst[y0:y1, x0:x1]
    if transparent:
        mask = ~np.all(s == np.array(KEY, np.uint8), axis=-1)
        d[mask] = s[mask]
    else:
        d[...] = s
