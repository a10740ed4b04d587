"""Artwork of the Slate skin: palette, frame, caption buttons, menus and
controls. Each function returns one bitmap as an (h, w, 3) uint8 array,
frames side by side (or stacked where the engine stacks them); key-colour
pixels mark what the engine leaves transparent."""

import functools

import numpy as np

import skinart as art
from skinart import Layer, box, cover, grid, rgb, ring, segment, solid, subtract, union, vgrad

# --- palette ----------------------------------------------------------------
INK = (28, 36, 48)            # text on light surfaces
FACE = (232, 236, 242)        # client area and control background
WHITE = (255, 255, 255)
OUTLINE = (38, 48, 62)        # outermost pixel of the frame
BEVEL = (156, 171, 192)       # highlight just inside the outline
BEVEL_DIM = (122, 137, 158)   # the same highlight on the bottom and right
CAPTION_TOP = (130, 146, 168)
SLATE = (100, 116, 138)       # frame body, and the caption's lower end
EDGE = (62, 76, 96)           # line around the client area
DEEP = ((60, 78, 104), (40, 56, 80))       # title plate, active
PALE = ((200, 208, 219), (184, 194, 207))  # title plate, inactive
TITLE_ACTIVE = (244, 247, 251)
TITLE_INACTIVE = (40, 50, 64)
ACCENT = (62, 118, 192)
ACCENT_DARK = (40, 86, 152)
ACCENT_LIGHT = (104, 156, 222)
BORDER = (134, 147, 167)      # control outlines
BORDER_DARK = (96, 110, 132)
BORDER_LIGHT = (194, 202, 213)
SHADOW = (140, 152, 170)      # disabled text, edit frames
MENU = (249, 250, 252)
GUTTER = (236, 239, 244)
MENUBAR = ((226, 231, 238), (212, 219, 228))
MENUBAR_INACTIVE = ((234, 237, 242), (224, 229, 235))
TRACK = (224, 229, 236)
RED = ((232, 90, 80), (204, 62, 54))
RED_DARK = ((170, 44, 38), (186, 54, 46))

# --- frame geometry -----------------------------------------------------------
LEFT, TOP, RIGHT, BOTTOM = 15, 46, 8, 9
TOP_RADIUS, BOTTOM_RADIUS = 7, 3
SIDE_HEIGHT, TOP_WIDTH, BOTTOM_WIDTH = 418, 226, 397

# Caption buttons: the visible square is 26 pixels for every 26- and 30-pixel
# image, so close, maximise and minimise line up; close keeps a bigger target.
BUTTON_SQUARE = 26
CAPTION_MID = 23              # vertical centre of the caption row
PLATE_TOP, PLATE_BOTTOM = 10, 36
PLATE_LEFT_CAP, PLATE_RIGHT_CAP = 20, 10
TEXT_RIGHT_CLIP = 100


def frame_source_width():
    return LEFT + BOTTOM_WIDTH + RIGHT


def window_pixels(w, h):
    """A whole frame at w x h with the client area in FACE; every border image
    is cut from one of these, so the pieces always meet without seams."""
    xs, ys = grid(w, h)
    radii = (TOP_RADIUS, TOP_RADIUS, BOTTOM_RADIUS, BOTTOM_RADIUS)

    def inset(k):
        return tuple(max(r - k, 0) for r in radii)

    lay = Layer(w, h)
    # The outer edge meets the desktop, whose colour is unknown: no blending.
    lay.paint(solid(box(xs, ys, 0, 0, w, h, radii)), OUTLINE)
    dim = ((xs >= w - 2) | (ys >= h - 2))[..., None]
    lay.paint(cover(box(xs, ys, 1, 1, w - 1, h - 1, inset(1))),
              np.where(dim, rgb(BEVEL_DIM), rgb(BEVEL)))
    lay.paint(cover(box(xs, ys, 2, 2, w - 2, h - 2, inset(2))),
              vgrad(ys, 1.5, TOP - 1.5, CAPTION_TOP, SLATE))
    lay.paint(solid(box(xs, ys, LEFT - 1, TOP - 1, w - RIGHT + 1, h - BOTTOM + 1)), EDGE)
    lay.paint(solid(box(xs, ys, LEFT, TOP, w - RIGHT, h - BOTTOM)), FACE)
    return lay.keyed(hard=0.5)


@functools.lru_cache(maxsize=1)
def frame_source():
    """The window every border image is cut from (read-only)."""
    win = window_pixels(frame_source_width(), SIDE_HEIGHT)
    win.setflags(write=False)
    return win


def border_images():
    win = frame_source()
    return {
        "f-left.bmp": win[:, :LEFT],
        "f-right.bmp": win[:, -RIGHT:],
        "f-top.bmp": win[:TOP, LEFT:LEFT + TOP_WIDTH],
        "f-bot.bmp": win[-BOTTOM:, LEFT:LEFT + BOTTOM_WIDTH],
    }


def caption_rows():
    """Caption colour of each window row, the backdrop of caption buttons."""
    return frame_source()[:TOP, LEFT + 20].astype(float)


# --- caption buttons ----------------------------------------------------------

def glyph_close(xs, ys, c, k):
    a, b = c - k + 0.5, c + k - 0.5
    return union(segment(xs, ys, a, a, b, b, 0.9), segment(xs, ys, b, a, a, b, 0.9))


def glyph_max(xs, ys, c, k):
    return ring(box(xs, ys, c - k, c - k, c + k, c + k),
                box(xs, ys, c - k + 1, c - k + 2, c + k - 1, c + k - 1))


def glyph_min(xs, ys, c, k):
    return box(xs, ys, c - k, c + k - 3, c + k, c + k - 1)


def glyph_restore(xs, ys, c, k):
    s = max(2, round(k * 0.6))  # offset of the back window
    back = ring(box(xs, ys, c - k + s, c - k, c + k, c + k - s),
                box(xs, ys, c - k + s + 1, c - k + 2, c + k - 1, c + k - s - 1))
    front_full = box(xs, ys, c - k, c - k + s, c + k - s, c + k)
    front = ring(front_full, box(xs, ys, c - k + 1, c - k + s + 2, c + k - s - 1, c + k - 1))
    return union(subtract(back, front_full), front)


def glyph_help(xs, ys, c, k):
    cy, r = c - 0.45 * k, 0.65 * k
    angles = np.radians(np.linspace(165, -60, 14))  # over the top, clockwise
    pts = [(c + r * np.cos(t), cy - r * np.sin(t)) for t in angles]
    pts += [(c, c + 0.25 * k), (c, c + 0.45 * k)]
    stroke = art.polyline(xs, ys, pts, 0.85)
    return union(stroke, art.circle(xs, ys, c, c + 0.95 * k, 1.0))


def glyph_roll(xs, ys, c, k):
    return art.polyline(xs, ys, [(c - k, c + k / 2), (c, c - k / 2), (c + k, c + k / 2)], 0.9)


def look(border, top, bottom, glyph, shift=0, shine=0.18):
    return dict(border=border, top=top, bottom=bottom, glyph=glyph, shift=shift, shine=shine)


NORMAL = look((82, 98, 122), (140, 156, 178), (118, 134, 158), (240, 244, 249))
PRESSED = look((50, 64, 86), (80, 96, 120), (94, 110, 134), (222, 229, 238), 1, 0)
HOT = look((94, 110, 134), (178, 193, 212), (152, 168, 190), WHITE)
INACTIVE = look((98, 114, 136), (118, 134, 156), (108, 124, 146), (172, 184, 200), 0, 0.08)
DISABLED = look((92, 108, 130), (124, 140, 162), (112, 128, 150), (158, 170, 188), 0, 0.08)
INACTIVE_DISABLED = look((98, 114, 136), (116, 132, 154), (108, 124, 146), (140, 154, 174), 0, 0)
CLOSE_HOT = look((150, 38, 32), RED[0], RED[1], WHITE)
CLOSE_PRESSED = look((116, 26, 22), RED_DARK[0], RED_DARK[1], (248, 226, 224), 1, 0)

# Frames of a caption-button strip: 1 normal, 2 pressed, 3 hot, 4 inactive
# window; 5 and 6 are not chosen by the frame painter and repeat the
# disabled and inactive looks for skins that reuse the strips.
CAPTION_LOOKS = (NORMAL, PRESSED, HOT, INACTIVE, DISABLED, INACTIVE)
CLOSE_LOOKS = (NORMAL, CLOSE_PRESSED, CLOSE_HOT, INACTIVE, DISABLED, INACTIVE)
GREYED_LOOKS = (DISABLED, DISABLED, DISABLED, INACTIVE_DISABLED, DISABLED, INACTIVE_DISABLED)


def rounded_button(fw, fh, x0, y0, size, glyph, half, lk, radius, backdrop):
    xs, ys = grid(fw, fh)
    lay = Layer(fw, fh)
    x1, y1 = x0 + size, y0 + size
    if lk["border"] is not None:
        lay.paint(cover(box(xs, ys, x0, y0, x1, y1, radius)), lk["border"])
        inner = cover(box(xs, ys, x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1))
        lay.paint(inner, vgrad(ys, y0 + 1, y1 - 1, lk["top"], lk["bottom"]))
        if lk["shine"]:
            lay.paint(inner * cover(box(xs, ys, x0, y0 + 1, x1, y0 + 2)) * lk["shine"], WHITE)
    s = lk["shift"]
    c = x0 + size / 2.0
    lay.paint(cover(glyph(xs - s, ys - s, c, half)), lk["glyph"])
    return lay.keyed(bg=backdrop)


def caption_strip(glyph, frame, looks, y_in_caption, half=5, square=BUTTON_SQUARE):
    rows = caption_rows()[y_in_caption:y_in_caption + frame]
    backdrop = np.repeat(rows[:, None, :], frame, axis=1)
    off = (frame - square) // 2
    radius = 5 if square >= 22 else 4
    return art.hstack([rounded_button(frame, frame, off, off, square, glyph, half, lk, radius, backdrop)
                       for lk in looks])


# Caption buttons: section, image, glyph, frame size, Action, Align, Xcoord,
# Ycoord, Visibility, Visibility1. Align 1 counts Xcoord from the window's
# right edge; Action -1 marks greyed stand-ins that take no clicks.
CAPTION_BUTTONS = [
    ("BUTTON0", "ctrl-close.bmp", glyph_close, 30, 0, 1, 42, CAPTION_MID - 15, 0, 0),
    ("BUTTON1", "ctrl-max.bmp", glyph_max, 26, 1, 1, 70, CAPTION_MID - 13, 6, 2),
    ("BUTTON2", "ctrl-rest.bmp", glyph_restore, 26, 1, 1, 70, CAPTION_MID - 13, 6, 1),
    ("BUTTON3", "ctrl-min.bmp", glyph_min, 26, 2, 1, 100, CAPTION_MID - 13, 8, 0),
    ("BUTTON4", "0", None, 0, 3, 0, LEFT + 11, CAPTION_MID - 8, 0, 0),
    ("Button6", "ctrl-help.bmp", glyph_help, 22, 4, 1, 126, CAPTION_MID - 11, 10, 10),
    ("Button7", "ctrl-roll.bmp", glyph_roll, 19, 5, 1, 149, CAPTION_MID - 10, 10, 10),
    ("Button8", "ctrl-max-dis.bmp", glyph_max, 26, -1, 1, 70, CAPTION_MID - 13, 7, 8),
    ("Button9", "ctrl-min-d.bmp", glyph_min, 26, -1, 1, 100, CAPTION_MID - 13, 9, 6),
    ("Button10", "ctrl-rest-d.bmp", glyph_restore, 26, -1, 1, 70, CAPTION_MID - 13, 7, 1),
]


def caption_button_images():
    images = {}
    for _, name, glyph, size, action, _, _, y, _, _ in CAPTION_BUTTONS:
        if glyph is None:
            continue
        looks = CLOSE_LOOKS if action == 0 else GREYED_LOOKS if action < 0 else CAPTION_LOOKS
        square = min(size, BUTTON_SQUARE)
        half = 5 if square >= 26 else 4 if square >= 22 else 3.5
        images[name] = caption_strip(glyph, size, looks, y, half, square)
    return images


def title_plate():
    """The caption's text backing: two 23-row frames (active, inactive) that the
    engine stretches to the 46-row caption, so each row stands for two."""
    w, h = 306, TOP // 2
    (x1, y1), (x2, y2) = grid(w, h, sub_y=(0.5, 1.5))
    backdrop = caption_rows().reshape(h, 2, 3).mean(axis=1)[:, None, :].repeat(w, axis=1)
    frames = []
    for top, bottom in (DEEP, PALE):
        lay = Layer(w, h)
        shape = (cover(box(x1, y1, 0, PLATE_TOP, w, PLATE_BOTTOM, 6))
                 + cover(box(x2, y2, 0, PLATE_TOP, w, PLATE_BOTTOM, 6))) / 2
        lay.paint(shape, vgrad((y1 + y2) / 2, PLATE_TOP, PLATE_BOTTOM, top, bottom))
        frames.append(lay.keyed(bg=backdrop))
    return art.vstack(frames)


def mdi_buttons():
    """Menu-bar buttons of a maximised MDI child: minimise, restore, close,
    four frames each (normal, pressed, hot, hot: the engine shows frame 4
    under the mouse)."""
    backdrop = menubar_colour()
    flat = look(None, None, None, (64, 78, 98))
    pressed = look(BORDER, (196, 205, 218), (210, 218, 229), (36, 46, 62), 1, 0)
    hot = look((150, 162, 180), WHITE, (238, 242, 247), (36, 46, 62))
    red = look((150, 38, 32), RED[0], RED[1], WHITE)
    red_pressed = look((116, 26, 22), RED_DARK[0], RED_DARK[1], (248, 226, 224), 1, 0)
    frames = []
    for glyph, looks in ((glyph_min, (flat, pressed, hot, hot)),
                         (glyph_restore, (flat, pressed, hot, hot)),
                         (glyph_close, (flat, red_pressed, red, red))):
        for lk in looks:
            frames.append(rounded_button(15, 15, 0, 0, 15, glyph, 3.5, lk, 3, backdrop))
    return art.hstack(frames)


# --- menus ------------------------------------------------------------------------

def menubar_colour():
    return tuple(int(round(v)) for v in art.mix(*MENUBAR, 0.5))


def menu_bar():
    """Menu strip under the caption: frame 1 active, frame 2 inactive, 30 rows
    each. The strip is squeezed to the menu height by dropping rows, so the
    separator at its foot is two rows deep and survives."""
    frames = []
    for top, bottom in (MENUBAR, MENUBAR_INACTIVE):
        xs, ys = grid(64, 30)
        lay = Layer(64, 30)
        lay.paint(np.ones((30, 64)), vgrad(ys, 0, 28, top, bottom))
        lay.paint(solid(box(xs, ys, 0, 0, 64, 1)), art.mix(top, WHITE, 0.6))
        lay.paint(solid(box(xs, ys, 0, 28, 64, 30)), BORDER_LIGHT)
        frames.append(art.opaque(lay))
    return art.vstack(frames)


MENU_GUTTER = 21


def menu_background():
    """Popup background: a 3-pixel border ring (the engine copies it as the
    window's frame) and a gutter for check marks and images."""
    w, h = 88, 80
    xs, ys = grid(w, h)
    lay = Layer(w, h)
    lay.paint(np.ones((h, w)), BORDER_DARK)
    lay.paint(solid(box(xs, ys, 1, 1, w - 1, h - 1)), WHITE)
    lay.paint(solid(box(xs, ys, 2, 2, w - 2, h - 2)), MENU)
    lay.paint(solid(box(xs, ys, 3, 3, 3 + MENU_GUTTER, h - 3)), GUTTER)
    lay.paint(solid(box(xs, ys, 3 + MENU_GUTTER, 3, 4 + MENU_GUTTER, h - 3)), (222, 227, 234))
    return art.opaque(lay)


def menu_items():
    """Menu item strip, 5 frames of 92 x 36: 1 normal (transparent), 2
    separator (drawn from its bottom rows), 3 disabled, 4 selected, 5 pressed."""
    fw, fh = 92, 36
    xs, ys = grid(fw, fh)

    def empty():
        return Layer(fw, fh).keyed()

    def separator():
        lay = Layer(fw, fh)
        lay.paint(solid(box(xs, ys, 5, fh - 5, fw - 5, fh - 4)), (214, 220, 228))
        lay.paint(solid(box(xs, ys, 5, fh - 4, fw - 5, fh - 3)), WHITE)
        return lay.keyed()

    def selected(top, bottom, border):
        lay = Layer(fw, fh)
        lay.paint(cover(box(xs, ys, 1, 1, fw - 1, fh - 1, 3)), border)
        lay.paint(cover(box(xs, ys, 2, 2, fw - 2, fh - 2, 2)), vgrad(ys, 2, fh - 2, top, bottom))
        return lay.keyed(bg=MENU)

    return art.hstack([empty(), separator(), empty(),
                       selected(ACCENT_LIGHT, ACCENT, ACCENT_DARK),
                       selected(ACCENT, ACCENT_DARK, (30, 66, 122))])


# --- push buttons, check boxes, radio buttons ---------------------------------------

def push_button(w, h, border, top, bottom, shine=True, ring_colour=None, radius=3):
    xs, ys = grid(w, h)
    lay = Layer(w, h)
    lay.paint(cover(box(xs, ys, 0, 0, w, h, radius)), border)
    inner = cover(box(xs, ys, 1, 1, w - 1, h - 1, radius - 1))
    lay.paint(inner, vgrad(ys, 1, h - 1, top, bottom))
    if ring_colour is not None:
        lay.paint(cover(ring(box(xs, ys, 1, 1, w - 1, h - 1, radius - 1),
                             box(xs, ys, 2, 2, w - 2, h - 2, max(radius - 2, 0)))), ring_colour)
    elif shine:
        lay.paint(inner * solid(box(xs, ys, 0, 1, w, 2)) * 0.8, WHITE)
    return lay.keyed(bg=FACE)


def buttons():
    """Push buttons, 5 frames of 50 x 24: normal, pressed, disabled, hot or
    focused, and a default-button look."""
    w, h = 50, 24
    return art.hstack([
        push_button(w, h, BORDER, (252, 253, 254), (226, 231, 238)),
        push_button(w, h, BORDER_DARK, (194, 204, 218), (212, 220, 231), shine=False),
        push_button(w, h, BORDER_LIGHT, (241, 243, 246), (236, 239, 243), shine=False),
        push_button(w, h, ACCENT, WHITE, (232, 239, 248), ring_colour=(200, 220, 244)),
        push_button(w, h, ACCENT_DARK, (250, 252, 255), (226, 234, 245)),
    ])


def check_mark(xs, ys, x0, y0, s):
    pts = [(x0 + 0.22 * s, y0 + 0.52 * s), (x0 + 0.42 * s, y0 + 0.72 * s), (x0 + 0.78 * s, y0 + 0.3 * s)]
    return art.polyline(xs, ys, pts, 0.85)


# Border, face gradient top and bottom, and mark colour (None: no mark) of
# the check-box and radio-button states: unchecked, checked, disabled,
# disabled checked, hot unchecked.
CHECK_STATES = (
    (BORDER_DARK, WHITE, (238, 241, 245), None),
    (ACCENT_DARK, ACCENT_LIGHT, ACCENT, WHITE),
    (BORDER_LIGHT, (242, 244, 247), (236, 239, 243), None),
    (BORDER_LIGHT, (184, 194, 208), (172, 183, 198), (246, 248, 250)),
    (ACCENT, WHITE, (232, 240, 250), None),
)


def check_boxes():
    """13 x 13 boxes: unchecked, checked, disabled, disabled checked (also the
    third state), and a hot unchecked box."""
    s = 13
    xs, ys = grid(s, s)
    out = []
    for border, top, bottom, mark in CHECK_STATES:
        lay = Layer(s, s)
        lay.paint(cover(box(xs, ys, 0, 0, s, s, 2.5)), border)
        lay.paint(cover(box(xs, ys, 1, 1, s - 1, s - 1, 1.5)), vgrad(ys, 1, s - 1, top, bottom))
        if mark:
            lay.paint(cover(check_mark(xs, ys, 0, 0, s)), mark)
        out.append(lay.keyed(bg=FACE))
    return art.hstack(out)


def radio_buttons():
    """13 x 13 radio buttons in the check-box order of states."""
    s = 13
    xs, ys = grid(s, s)
    c = s / 2.0
    out = []
    for border, top, bottom, dot in CHECK_STATES:
        lay = Layer(s, s)
        lay.paint(cover(art.circle(xs, ys, c, c, c)), border)
        lay.paint(cover(art.circle(xs, ys, c, c, c - 1)), vgrad(ys, 1, s - 1, top, bottom))
        if dot:
            lay.paint(cover(art.circle(xs, ys, c, c, 2.3)), dot)
        out.append(lay.keyed(bg=FACE))
    return art.hstack(out)


# --- combo box -------------------------------------------------------------------------

# Part states of combo boxes: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
COMBO_STATES = (
    dict(border=BORDER, fill=((250, 251, 253), (230, 235, 241)), arrow=(72, 86, 108)),
    dict(border=ACCENT_DARK, fill=((200, 210, 223), (214, 222, 232)), arrow=(36, 48, 66)),
    dict(border=BORDER_LIGHT, fill=((241, 243, 246), (238, 240, 244)), arrow=(176, 184, 196)),
    dict(border=ACCENT, fill=(WHITE, (234, 240, 248)), arrow=ACCENT_DARK),
)


def sunk_edges():
    """Edge around a combo box, 4 frames of 16 x 19; the corners are painted
    in the face colour so the box looks rounded without keying."""
    w, h = 16, 19
    xs, ys = grid(w, h)
    out = []
    for st in COMBO_STATES:
        lay = Layer(w, h)
        lay.paint(np.ones((h, w)), FACE)
        lay.paint(solid(box(xs, ys, 0, 0, w, h, 1.5)), st["border"])
        inner = (244, 245, 247) if st is COMBO_STATES[2] else WHITE
        lay.paint(solid(box(xs, ys, 1, 1, w - 1, h - 1)), inner)
        out.append(art.opaque(lay))
    return art.hstack(out)


def combo_buttons():
    """Drop-down button at the right end of a combo box, 4 frames of 16 x 21.
    It covers the edge there, so it repeats the edge on the top, right and
    bottom; the rounded corners are keyed out to show the edge's corners."""
    w, h = 16, 21
    xs, ys = grid(w, h)
    out = []
    for st in COMBO_STATES:
        lay = Layer(w, h)
        lay.paint(solid(box(xs, ys, -2, 0, w, h, (0, 2, 2, 0))), st["border"])
        lay.paint(solid(box(xs, ys, 0, 1, w - 1, h - 1)), vgrad(ys, 1, h - 1, *st["fill"]))
        lay.paint(solid(box(xs, ys, 0, 1, 1, h - 1)), BORDER_LIGHT)
        out.append(lay.keyed())
    return art.hstack(out)


def chevron_down(xs, ys, cx, cy, k=3.5):
    return art.polyline(xs, ys, [(cx - k, cy - k / 2), (cx, cy + k / 2), (cx + k, cy - k / 2)], 0.85)


def combo_arrows():
    """Arrow glyphs, 5 frames of 16 x 16: the four part states, then the size
    grip that status bars draw at their corner."""
    s = 16
    xs, ys = grid(s, s)
    out = []
    for i, st in enumerate(COMBO_STATES):
        shift = 1 if i == 1 else 0
        lay = Layer(s, s)
        lay.paint(cover(chevron_down(xs, ys, 8, 8 + shift)), st["arrow"])
        bg = art.mix(*st["fill"], 0.5)
        out.append(lay.keyed(bg=bg))
    lay = Layer(s, s)
    for i in range(3):
        for j in range(3 - i):
            x, y = 13 - 4 * j, 13 - 4 * i
            lay.paint(solid(box(xs, ys, x - 1, y - 1, x + 1, y + 1)), WHITE)
            lay.paint(solid(box(xs, ys, x - 2, y - 2, x, y)), BORDER)
    out.append(lay.keyed(bg=FACE))
    return art.hstack(out)


# --- scroll bars ------------------------------------------------------------------------

def chevron(xs, ys, c, direction, k=3.0):
    dx, dy = {"left": (-1, 0), "right": (1, 0), "up": (0, -1), "down": (0, 1)}[direction]
    tip = (c + dx * k / 2, c + dy * k / 2)
    px, py = -dy, dx  # perpendicular
    a = (c - dx * k / 2 + px * k, c - dy * k / 2 + py * k)
    b = (c - dx * k / 2 - px * k, c - dy * k / 2 - py * k)
    return art.polyline(xs, ys, [a, tip, b], 0.8)


def scroll_arrows():
    """23 frames of 16 x 16. Per direction (left, right, up, down): normal,
    pressed, hot, disabled; then a size grip and six plain track cells."""
    s = 16
    xs, ys = grid(s, s)
    out = []
    for direction in ("left", "right", "up", "down"):
        for fill, glyph, shift in ((None, (104, 118, 140), 0), ((190, 200, 214), (32, 44, 62), 1),
                                   ((214, 222, 232), (52, 64, 84), 0), (None, (196, 203, 213), 0)):
            lay = Layer(s, s)
            if fill:
                lay.paint(cover(box(xs, ys, 1, 1, s - 1, s - 1, 3)), fill)
            sx = shift if direction in ("left", "right") else 0
            sy = shift if direction in ("up", "down") else 0
            lay.paint(cover(chevron(xs - sx, ys - sy, 8, direction)), glyph)
            out.append(lay.keyed(bg=TRACK))
    out.append(combo_arrows()[:, 64:80])
    plain = Layer(s, s).paint(np.ones((s, s)), TRACK).keyed()
    out += [plain] * 6
    return art.hstack(out)


def scroll_tracks(vertical):
    """Track behind the thumb, 4 frames (normal, pressed, hot, disabled): a
    flat groove with a hairline along both long sides."""
    w, h = (16, 18) if vertical else (24, 16)
    xs, ys = grid(w, h)
    out = []
    for fill, line in ((TRACK, (212, 218, 227)), ((212, 219, 228), (200, 208, 219)),
                       ((230, 234, 240), (218, 224, 232)), ((236, 239, 243), (226, 230, 236))):
        lay = Layer(w, h)
        lay.paint(np.ones((h, w)), fill)
        sides = (xs < 1) | (xs > w - 1) if vertical else (ys < 1) | (ys > h - 1)
        lay.paint(sides.astype(float), line)
        out.append(art.opaque(lay))
    return art.hstack(out)


def scroll_thumbs(vertical):
    """Thumb, 3 frames (normal, pressed, hot): a 10-pixel pill on the track."""
    w, h = (16, 24) if vertical else (42, 16)
    xs, ys = grid(w, h)
    out = []
    for fill, border in (((176, 188, 204), (150, 163, 182)), ((112, 128, 152), (92, 108, 132)),
                         ((150, 164, 184), (128, 142, 162))):
        lay = Layer(w, h)
        rect = (3, 1, 13, h - 1) if vertical else (1, 3, w - 1, 13)
        lay.paint(cover(box(xs, ys, *rect, 5)), border)
        x0, y0, x1, y1 = rect
        lay.paint(cover(box(xs, ys, x0 + 1, y0 + 1, x1 - 1, y1 - 1, 4)), fill)
        out.append(lay.keyed(bg=TRACK))
    return art.hstack(out)


# --- tabs, header, status bar, progress, group box ---------------------------------------

def tabs():
    """Tabs, 5 frames of 50 x 18: other tab, current tab, hot, disabled, and a
    spare. Rounded on top; the current tab is lighter with an accent cap."""
    w, h = 50, 18
    xs, ys = grid(w, h)
    out = []
    for fill, border, cap in ((((222, 228, 236), (208, 215, 225)), BORDER_LIGHT, None),
                              (((252, 253, 254), FACE), BORDER, ACCENT),
                              (((236, 241, 247), (222, 229, 238)), BORDER, None),
                              (((236, 238, 241), (232, 234, 238)), BORDER_LIGHT, None),
                              (((222, 228, 236), (208, 215, 225)), BORDER, ACCENT_LIGHT)):
        lay = Layer(w, h)
        shape = box(xs, ys, 0, 0, w, h + 4, (4, 4, 0, 0))
        lay.paint(cover(shape), border)
        lay.paint(cover(box(xs, ys, 1, 1, w - 1, h + 4, (3, 3, 0, 0))), vgrad(ys, 1, h, *fill))
        if cap:
            lay.paint(cover(box(xs, ys, 0, 0, w, 3, (4, 4, 0, 0))) * cover(shape), cap)
        out.append(lay.keyed(bg=FACE))
    return art.hstack(out)


def tab_border():
    """Page edge around a tab control's page; only the ring of 4, 5, 4 and 4
    pixels is drawn, so the middle just carries the face colour."""
    w, h = 58, 49
    xs, ys = grid(w, h)
    lay = Layer(w, h)
    lay.paint(np.ones((h, w)), BORDER)
    lay.paint(solid(box(xs, ys, 1, 1, w - 1, h - 1)), WHITE)
    lay.paint(solid(box(xs, ys, 2, 2, w - 1, h - 1)), FACE)
    return art.opaque(lay)


def header():
    """Column heading, 5 frames of 55 x 26: normal, pressed, hot, disabled,
    sorted. A separator at the right and a hairline at the foot."""
    w, h = 55, 26
    xs, ys = grid(w, h)
    out = []
    for top, bottom in ((WHITE, (232, 236, 242)), ((214, 222, 232), (224, 230, 238)),
                        ((248, 251, 255), (226, 234, 244)), ((242, 244, 246), (238, 240, 243)),
                        ((236, 242, 250), (218, 229, 243))):
        lay = Layer(w, h)
        lay.paint(np.ones((h, w)), vgrad(ys, 0, h - 1, top, bottom))
        lay.paint(solid(box(xs, ys, w - 2, 3, w - 1, h - 3)), BORDER_LIGHT)
        lay.paint(solid(box(xs, ys, w - 1, 3, w, h - 3)), WHITE)
        lay.paint(solid(box(xs, ys, 0, h - 1, w, h)), BORDER_LIGHT)
        out.append(art.opaque(lay))
    return art.hstack(out)


def status_panels():
    """Status-bar panel edges, 3 frames of 16 x 18: lowered, raised, none."""
    w, h = 16, 18
    xs, ys = grid(w, h)
    out = []
    for border, fill in ((BORDER_LIGHT, (226, 231, 237)), ((206, 212, 221), (242, 244, 247)),
                         (None, FACE)):
        lay = Layer(w, h)
        lay.paint(np.ones((h, w)), FACE)
        if border:
            lay.paint(cover(box(xs, ys, 0, 0, w, h, 2)), border)
            lay.paint(cover(box(xs, ys, 1, 1, w - 1, h - 1, 1)), fill)
        out.append(art.opaque(lay))
    return art.hstack(out)


def progress():
    """Progress bar, 2 frames of 31 x 26: the trough, then the bar. The middle
    is flat so that tiling it (Tile=2) shows no seams; the bevel lives in
    the 4-pixel margins."""
    w, h = 31, 26
    xs, ys = grid(w, h)
    trough_fill = (224, 229, 236)
    lay = Layer(w, h)
    lay.paint(cover(box(xs, ys, 0, 0, w, h, 3)), BORDER)
    lay.paint(cover(box(xs, ys, 1, 1, w - 1, h - 1, 2)), trough_fill)
    lay.paint(cover(box(xs, ys, 1, 1, w - 1, 2)) * 0.6, (200, 207, 217))
    trough = lay.keyed(bg=FACE)
    lay = Layer(w, h)
    lay.paint(cover(box(xs, ys, 0, 0, w, h, 3)), ACCENT_DARK)
    lay.paint(cover(box(xs, ys, 1, 1, w - 1, h - 1, 2)), ACCENT)
    lay.paint(cover(box(xs, ys, 1, 1, w - 1, 4, (2, 2, 0, 0))),
              vgrad(ys, 1, 4, (150, 190, 238), ACCENT_LIGHT))
    lay.paint(cover(box(xs, ys, 1, h - 4, w - 1, h - 1, (0, 0, 2, 2))),
              vgrad(ys, h - 4, h - 1, ACCENT, (52, 102, 172)))
    bar = lay.keyed(bg=trough_fill)
    return art.hstack([trough, bar])


def group_box_edges():
    """Group box edge, 2 frames of 46 x 54 (enabled, disabled): a rounded
    hairline frame whose top edge runs through the caption's middle."""
    w, h = 46, 54
    xs, ys = grid(w, h)
    out = []
    for line in (BORDER_LIGHT, (214, 219, 226)):
        lay = Layer(w, h)
        lay.paint(np.ones((h, w)), FACE)
        lay.paint(cover(ring(box(xs, ys, 0, 7, w, h, 4), box(xs, ys, 1, 8, w - 1, h - 1, 3))), line)
        lay.paint(cover(ring(box(xs, ys, 1, 8, w - 1, h - 1, 3), box(xs, ys, 2, 9, w - 2, h - 2, 2))),
                  (246, 248, 250))
        out.append(art.opaque(lay))
    return art.hstack(out)


def group_box_label():
    w, h = 50, 21
    xs, ys = grid(w, h)
    lay = Layer(w, h)
    lay.paint(cover(box(xs, ys, 0, 1, w, h - 1, 5)), BORDER_LIGHT)
    lay.paint(cover(box(xs, ys, 1, 2, w - 1, h - 2, 4)), vgrad(ys, 2, h - 2, WHITE, (238, 242, 247)))
    return lay.keyed(bg=FACE)


def tool_buttons():
    """Tool-bar buttons, 5 frames of 58 x 58: normal (transparent), pressed,
    disabled (transparent), hot, checked."""
    return square_states({
        "pressed": (BORDER_DARK, (196, 206, 220), (212, 220, 231)),
        "hot": (BORDER, WHITE, (232, 237, 244)),
        "checked": (ACCENT, (222, 234, 250), (206, 222, 244)),
    }, FACE)


def menu_bar_items():
    """Menu-bar items in the tool-button layout: the open item takes the
    popup's colour, the hot one a flat light plate."""
    return square_states({
        "pressed": (BORDER_DARK, MENU, MENU),
        "hot": ((160, 172, 190), (244, 246, 249), (244, 246, 249)),
        "checked": (ACCENT, (222, 234, 250), (222, 234, 250)),
    }, menubar_colour())


def square_states(looks, backdrop):
    s = 58
    xs, ys = grid(s, s)
    out = []
    for st in (None, "pressed", None, "hot", "checked"):
        lay = Layer(s, s)
        if st:
            border, top, bottom = looks[st]
            lay.paint(cover(box(xs, ys, 1, 1, s - 1, s - 1, 4)), border)
            lay.paint(cover(box(xs, ys, 2, 2, s - 2, s - 2, 3)), vgrad(ys, 2, s - 2, top, bottom))
        out.append(lay.keyed(bg=backdrop))
    return art.hstack(out)


def toolbar_background():
    """A 256-colour gradient for tool-bar backgrounds."""
    w, h = 64, 60
    xs, ys = grid(w, h)
    lay = Layer(w, h)
    lay.paint(np.ones((h, w)), vgrad(ys, 0, h - 2, (246, 248, 250), (224, 229, 236)))
    lay.paint(solid(box(xs, ys, 0, h - 1, w, h)), BORDER_LIGHT)
    return art.opaque(lay)


BAYER4 = np.array([[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]) / 16.0


def dialog_background():
    """Dialog backdrop in 16 colours: a soft vertical fade between two tones
    of the face colour, ordered-dithered over eight steps."""
    w, h = 100, 100
    top, bottom = np.array((240, 243, 247)), np.array(FACE)
    steps = 8
    t = (np.arange(h)[:, None] / (h - 1)) * (steps - 1) + BAYER4[np.arange(h)[:, None] % 4,
                                                                np.arange(w)[None, :] % 4] - 0.5
    level = np.clip(np.rint(t), 0, steps - 1) / (steps - 1)
    px = top * (1 - level[..., None]) + bottom * level[..., None]
    return np.rint(px).astype(np.uint8)
