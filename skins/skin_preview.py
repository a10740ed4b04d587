"""Paints a skinned window from skin images and a description, following the
engine's frame rules (border slicing, caption plate, caption-button layout
and visibility), for preview.bmp and for looking at a skin without the
engine. Images are name -> (h, w, 3) uint8 arrays."""

import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import skinart as art
from skindesc import value_text

FONT_DIRS = ("/usr/share/fonts/truetype/dejavu",)


def font(size, bold=False):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    for d in FONT_DIRS:
        path = os.path.join(d, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def text_size(text, fnt):
    x0, y0, x1, y1 = fnt.getbbox(text)
    ascent, descent = fnt.getmetrics()
    return x1, ascent + descent


def draw_text(canvas, x, y, text, colour, fnt, clip_right=None):
    w, h = text_size(text, fnt)
    if w <= 0:
        return
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).text((0, 0), text, fill=255, font=fnt)
    cov = np.asarray(mask, np.float64)[..., None] / 255.0
    H, W = canvas.shape[:2]
    right = W if clip_right is None else min(W, clip_right)
    x0, y0, x1, y1 = max(x, 0), max(y, 0), min(x + w, right), min(y + h, H)
    if x1 <= x0 or y1 <= y0:
        return
    c = cov[y0 - y:y1 - y, x0 - x:x1 - x]
    region = canvas[y0:y1, x0:x1].astype(np.float64)
    canvas[y0:y1, x0:x1] = np.rint(region * (1 - c) + np.asarray(colour) * c).astype(np.uint8)


def lookup(sections):
    """Section (upper case) -> key (lower case) -> value; first match wins."""
    out = {}
    for name, keys in sections:
        sec = out.setdefault(name.upper(), {})
        for k, v in keys:
            sec.setdefault(k.lower(), value_text(v))
    return out


def num(desc, section, key, default=0):
    try:
        return int(desc.get(section.upper(), {}).get(key.lower(), default))
    except ValueError:
        return default


def colour(desc, key, default=(0, 0, 0)):
    text = desc.get("COLOURS", {}).get(key.lower())
    if not text:
        return default
    return tuple(int(v) & 255 for v in text.replace(",", " ").split()[:3])


def image_of(images, desc, section, key):
    name = desc.get(section.upper(), {}).get(key.lower(), "")
    return images.get(name.lower())


def draw_object(canvas, images, desc, section, rect, index, count, key="image"):
    """A skin object's frame at rect, nine-sliced with its margins."""
    img = image_of(images, desc, section, key)
    if img is None:
        return
    x0, y0, x1, y1 = rect
    frame = art.frame_of(img, index, count)
    pic = art.nine_slice(frame, x1 - x0, y1 - y0,
                         num(desc, section, "LeftWidth"), num(desc, section, "TopHeight"),
                         num(desc, section, "RightWidth"), num(desc, section, "BottomHeight"),
                         tiled=num(desc, section, "Tile") != 0)
    art.blit(canvas, pic, x0, y0, transparent=num(desc, section, "Trans") != 0)


def frame_sizes(images, desc):
    per = {}
    for side, key, axis in (("left", "Left", 1), ("right", "Right", 1),
                            ("top", "Top", 0), ("bottom", "Bottom", 0)):
        img = image_of(images, desc, "Personality", key)
        frames = max(1, num(desc, "Personality", key + "Frame", 1))
        per[side] = img.shape[axis] // frames
    return per


def caption_visible(desc, sec, win):
    """Visibility tests for a caption button on a normal (non-MDI) window."""
    maxbox, minbox, sysmenu = win["maxbox"], win["minbox"], win["sysmenu"]
    zoomed, active = win["maximized"], win["active"]
    action = num(desc, sec, "Action")

    def test(v, first):
        return {0: (not first) or action != 0 or sysmenu, 1: zoomed, 2: not zoomed,
                3: active, 4: not active, 6: maxbox and (sysmenu or not first),
                7: not maxbox, 8: minbox and (sysmenu or not first), 9: not minbox,
                }.get(v, 200 <= v <= 2000)

    ok = test(num(desc, sec, "Visibility"), True) and test(num(desc, sec, "Visibility1"), False)
    if action == 1 and not maxbox or action == 2 and not minbox:
        return False
    return ok


def caption_sections(desc_sections):
    return [name for name, _ in desc_sections
            if name.upper().startswith("BUTTON")
            and name.upper() not in ("BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX")]


def compose_window(images, sections, w, h, title, active=True, states=None, icon=None,
                   backdrop=(120, 132, 150), maxbox=True, minbox=True, maximized=False):
    """Paint a window of w x h; states maps a caption-button section to 1
    (normal), 2 (pressed) or 3 (hot). Returns (pixels, client rectangle)."""
    desc = lookup(sections)
    states = states or {}
    fs = frame_sizes(images, desc)
    L, T, R, B = fs["left"], fs["top"], fs["right"], fs["bottom"]
    canvas = np.empty((h, w, 3), np.uint8)
    canvas[...] = backdrop

    def border(key, rect, vertical):
        img = image_of(images, desc, "Personality", key)
        count = max(1, num(desc, "Personality", key + "Frame", 1))
        idx = 1 if active or count == 1 else 2
        m0 = num(desc, "Personality", key + "TopHeight")
        m1 = num(desc, "Personality", key + "BotHeight")
        tiled = num(desc, "Personality", key + "Stretch", 1) != 1
        frame = art.frame_of(img, idx, count, vertical)
        x0, y0, x1, y1 = rect
        if vertical:
            pic = art.nine_slice(frame, x1 - x0, y1 - y0, m0, 0, m1, 0, tiled)
        else:
            pic = art.nine_slice(frame, x1 - x0, y1 - y0, 0, m0, 0, m1, tiled)
        # Key pixels fall outside the window region and show what lies behind.
        art.blit(canvas, pic, x0, y0, transparent=True)

    border("Left", (0, 0, L, h), False)
    border("Right", (w - R, 0, w, h), False)
    border("Bottom", (L, h - B, w - R, h), True)
    border("Top", (L, 0, w - R, T), True)
    canvas[T:h - B, L:w - R] = colour(desc, "ButtonFace", (232, 236, 242))

    # Caption plate and text.
    fnt = font(11, bold=True)
    text = "  " + title
    tw, th = text_size("  " + " " + title, fnt)
    back_l = num(desc, "Personality", "TXTBackleft")
    back_r = num(desc, "Personality", "TXTBackRight")
    left = L + num(desc, "Personality", "TextShift")
    right = left + tw + back_l + back_r
    right = min(right, w - R - num(desc, "Personality", "TextRightClip"))
    top = int((T - th) / 2) + int(num(desc, "Personality", "TextShiftVert") / 2)
    plate = image_of(images, desc, "Personality", "TextBack")
    if plate is not None and right > left:
        frame = art.frame_of(plate, 1 if active else 2, 2, vertical=True)
        art.blit(canvas, art.bar(frame, right - left, T, back_l, back_r), left, 0)
    ink = colour(desc, "TitleTextActive" if active else "TitleTextNoActive")
    draw_text(canvas, left + back_l, top, text, ink, fnt, clip_right=right - back_r)

    win = dict(maxbox=maxbox, minbox=minbox, sysmenu=True, maximized=maximized, active=active)
    for sec in caption_sections(sections):
        if not caption_visible(desc, sec, win):
            continue
        x, y = num(desc, sec, "Xcoord"), num(desc, sec, "Ycoord")
        if num(desc, sec, "Align") == 1:
            x = w - x
        if num(desc, sec, "Action") in (3, 11):
            if icon is not None:
                art.blit(canvas, icon, x, y)
            continue
        img = image_of(images, desc, sec, "ButtonImage")
        if img is None:
            continue
        count = num(desc, sec, "frame") or 6
        idx = states.get(sec.upper(), 1) if active else (4 if count >= 4 else 1)
        art.blit(canvas, art.frame_of(img, idx, count), x, y)
    return canvas, (L, T, w - R, h - B)


def app_icon(border, fill, pointer):
    """A 16 x 16 stand-in for a window icon: an accent tile with a pointer."""
    from skinart import Layer, box, cover, grid
    xs, ys = grid(16, 16)
    lay = Layer(16, 16)
    lay.paint(cover(box(xs, ys, 1, 1, 15, 15, 3)), border)
    lay.paint(cover(box(xs, ys, 2, 2, 14, 14, 2)), fill)
    arrow = art.polyline(xs, ys, [(5.5, 4.5), (5.5, 11.5), (7.5, 9.5), (9, 12.5),
                                  (10, 12), (8.6, 9), (11, 9), (5.5, 4.5)], 0.5)
    lay.paint(cover(arrow), pointer)
    return lay.keyed()


def draw_control(canvas, images, sections, section, rect, index, count, key="image"):
    draw_object(canvas, images, lookup(sections), section, rect, index, count, key)


def preview_image(images, sections, title, palette):
    """preview.bmp: the skin shown on a small window with a few controls, on
    the palette's PREVIEW_BACKDROP with its ICON."""
    desc = lookup(sections)
    W, H = 265, 168
    out = np.empty((H, W, 3), np.uint8)
    ys = np.arange(H)[:, None, None] / (H - 1)
    top, bottom = palette.PREVIEW_BACKDROP
    out[...] = np.rint(np.array(top) * (1 - ys) + np.array(bottom) * ys)
    win, (cl, ct, cr, cb) = compose_window(images, sections, 251, 156, title, icon=app_icon(*palette.ICON),
                                           backdrop=(255, 0, 255))
    art.blit(out, win, 7, 6)
    ox, oy = 7 + cl, 6 + ct
    ink = colour(desc, "ButtonText")
    small = font(10)

    def box_strip(name, index, x, y):
        img = images[name]
        n = img.shape[1] // 13
        art.blit(out, art.frame_of(img, index, n), x, y)

    box_strip("checkbox.bmp", 2, ox + 10, oy + 10)
    draw_text(out, ox + 28, oy + 8, "Snap to grid", ink, small)
    box_strip("radio.bmp", 2, ox + 10, oy + 30)
    draw_text(out, ox + 28, oy + 28, "Slow", ink, small)
    box_strip("radio.bmp", 1, ox + 10, oy + 48)
    draw_text(out, ox + 28, oy + 46, "Fast", ink, small)
    draw_object(out, images, desc, "Progress", (ox + 110, oy + 12, ox + 214, oy + 28), 1, 2,
                key="bitmap")
    draw_object(out, images, desc, "Progress", (ox + 110, oy + 12, ox + 172, oy + 28), 2, 2,
                key="bitmap")
    for i, (label, frame) in enumerate((("OK", 4), ("Cancel", 1))):
        x0 = ox + 82 + i * 70
        rect = (x0, oy + 70, x0 + 64, oy + 94)
        draw_object(out, images, desc, "Buttons", rect, frame, 5, key="bitmap")
        tw, th = text_size(label, small)
        draw_text(out, x0 + (64 - tw) // 2, oy + 70 + (24 - th) // 2, label, ink, small)
    return out
