"""Artwork shared by Tandrel's skins: the frame and caption-button layout the
engine expects of them, and the drawing of every bitmap a skin carries.

A skin is a subclass of SkinArt that sets the palette attributes listed in
SkinArt's docstring (and may override a drawing method for its own look).
Each method returns one bitmap as an (h, w, 3) uint8 array, frames side by
side (or stacked where the engine stacks them); key-colour pixels mark what
the engine leaves transparent."""

import functools

import numpy as np

import skinart as art
from skinart import Layer, box, cover, grid, rgb, ring, segment, solid, subtract, union, vgrad

WHITE = (255, 255, 255)

# --- frame geometry: the same for every skin ------------------------------------
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
MENU_GUTTER = 21


def frame_source_width():
    return LEFT + BOTTOM_WIDTH + RIGHT


# --- caption-button glyphs ------------------------------------------------------

def strip(w, h, looks, frame):
    """One w x h frame per look, side by side: frame(layer, xs, ys, look)
    paints a fresh layer and answers the finished frame."""
    xs, ys = grid(w, h)
    return art.hstack([frame(Layer(w, h), xs, ys, look) for look in looks])


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
    """A caption button's look: outline, face gradient, glyph colour, glyph
    offset when pressed, and the strength of the highlight row."""
    return dict(border=border, top=top, bottom=bottom, glyph=glyph, shift=shift, shine=shine)


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


def check_mark(xs, ys, x0, y0, s):
    pts = [(x0 + 0.22 * s, y0 + 0.52 * s), (x0 + 0.42 * s, y0 + 0.72 * s), (x0 + 0.78 * s, y0 + 0.3 * s)]
    return art.polyline(xs, ys, pts, 0.85)


def chevron_down(xs, ys, cx, cy, k=3.5):
    return art.polyline(xs, ys, [(cx - k, cy - k / 2), (cx, cy + k / 2), (cx + k, cy - k / 2)], 0.85)


def chevron(xs, ys, c, direction, k=3.0):
    dx, dy = {"left": (-1, 0), "right": (1, 0), "up": (0, -1), "down": (0, 1)}[direction]
    tip = (c + dx * k / 2, c + dy * k / 2)
    px, py = -dy, dx  # perpendicular
    a = (c - dx * k / 2 + px * k, c - dy * k / 2 + py * k)
    b = (c - dx * k / 2 - px * k, c - dy * k / 2 - py * k)
    return art.polyline(xs, ys, [a, tip, b], 0.8)


BAYER4 = np.array([[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]) / 16.0


class SkinArt:
    """The bitmaps of one skin, drawn from its palette.

    Palette attributes a skin sets (colours are (r, g, b) tuples; a pair is
    a gradient top to bottom):
      text and system colours: INK, FACE, TRACK, SHADOW, DK_SHADOW, BUTTON_LIGHT,
        HILIGHT, HILIGHT_TEXT, BUTTON_HILIGHT, TITLE_ACTIVE, TITLE_INACTIVE,
        BUTTON_TEXT (normal, hot, pressed), TAB_TEXT (normal, hot, current)
      accents and outlines: SHINE (highlight rows), ACCENT, ACCENT_DARK,
        ACCENT_LIGHT, BORDER, BORDER_DARK, BORDER_LIGHT
      frame: OUTLINE, BEVEL, BEVEL_DIM, CAPTION (pair), EDGE, PLATE_ACTIVE,
        PLATE_INACTIVE (pairs)
      caption buttons (each a `look`): LOOK_NORMAL, LOOK_PRESSED, LOOK_HOT,
        LOOK_INACTIVE, LOOK_DISABLED, LOOK_INACTIVE_DISABLED, LOOK_CLOSE_HOT,
        LOOK_CLOSE_PRESSED, LOOK_MDI_FLAT, LOOK_MDI_PRESSED, LOOK_MDI_HOT
      menus: MENU, MENUBAR, MENUBAR_INACTIVE (pairs), MENUBAR_SHINE (amount),
        MENUBAR_LINE, MENU_BORDER, MENU_RING, GUTTER, GUTTER_LINE,
        SEPARATOR (dark, light), MENU_SELECTED, MENU_PRESSED (top, bottom, border)
      controls: PUSH_BUTTONS, CHECK_STATES, COMBO_STATES, COMBO_DIVIDER, GRIP,
        SCROLL_ARROWS, SCROLL_TRACKS, SCROLL_THUMBS, TABS, TAB_PAGE, HEADERS,
        HEADER_LINES, HEADER_TEXT, STATUS_PANELS, PROGRESS_TROUGH, PROGRESS_BAR, GROUP_LINES,
        GROUP_INNER, GROUP_LABEL, TOOL_LOOKS, MENUBAR_ITEM_LOOKS, TOOLBAR,
        DIALOG (pair)
      preview: PREVIEW_BACKDROP (pair), ICON (border, fill, pointer)
    """

    # Which look each frame of a caption button strip shows is the same in
    # every skin: normal, pressed, hot, inactive, disabled, inactive again.
    @property
    def CAPTION_LOOKS(self):
        return (self.LOOK_NORMAL, self.LOOK_PRESSED, self.LOOK_HOT, self.LOOK_INACTIVE, self.LOOK_DISABLED,
                self.LOOK_INACTIVE)

    @property
    def CLOSE_LOOKS(self):
        return (self.LOOK_NORMAL, self.LOOK_CLOSE_PRESSED, self.LOOK_CLOSE_HOT, self.LOOK_INACTIVE,
                self.LOOK_DISABLED, self.LOOK_INACTIVE)

    @property
    def GREYED_LOOKS(self):
        return (self.LOOK_DISABLED, self.LOOK_DISABLED, self.LOOK_DISABLED, self.LOOK_INACTIVE_DISABLED,
                self.LOOK_DISABLED, self.LOOK_INACTIVE_DISABLED)

    # MDI child buttons: minimise and restore, then close; flat, pressed, hot, hot.
    @property
    def MDI_LOOKS(self):
        return ((self.LOOK_MDI_FLAT, self.LOOK_MDI_PRESSED, self.LOOK_MDI_HOT, self.LOOK_MDI_HOT),
                (self.LOOK_MDI_FLAT, self.LOOK_CLOSE_PRESSED, self.LOOK_CLOSE_HOT, self.LOOK_CLOSE_HOT))

    # --- frame --------------------------------------------------------------------

    def window_pixels(self, w, h):
        """A whole frame at w x h with the client area in FACE; every border image
        is cut from one of these, so the pieces always meet without seams."""
        xs, ys = grid(w, h)
        radii = (TOP_RADIUS, TOP_RADIUS, BOTTOM_RADIUS, BOTTOM_RADIUS)

        def inset(k):
            return tuple(max(r - k, 0) for r in radii)

        lay = Layer(w, h)
        # The outer edge meets the desktop, whose colour is unknown: no blending.
        lay.paint(solid(box(xs, ys, 0, 0, w, h, radii)), self.OUTLINE)
        dim = ((xs >= w - 2) | (ys >= h - 2))[..., None]
        lay.paint(cover(box(xs, ys, 1, 1, w - 1, h - 1, inset(1))),
                  np.where(dim, rgb(self.BEVEL_DIM), rgb(self.BEVEL)))
        lay.paint(cover(box(xs, ys, 2, 2, w - 2, h - 2, inset(2))),
                  vgrad(ys, 1.5, TOP - 1.5, *self.CAPTION))
        lay.paint(solid(box(xs, ys, LEFT - 1, TOP - 1, w - RIGHT + 1, h - BOTTOM + 1)), self.EDGE)
        lay.paint(solid(box(xs, ys, LEFT, TOP, w - RIGHT, h - BOTTOM)), self.FACE)
        return lay.keyed(hard=0.5)

    @functools.cached_property
    def frame_source(self):
        """The window every border image is cut from (read-only)."""
        win = self.window_pixels(frame_source_width(), SIDE_HEIGHT)
        win.setflags(write=False)
        return win

    def border_images(self):
        win = self.frame_source
        return {
            "f-left.bmp": win[:, :LEFT],
            "f-right.bmp": win[:, -RIGHT:],
            "f-top.bmp": win[:TOP, LEFT:LEFT + TOP_WIDTH],
            "f-bot.bmp": win[-BOTTOM:, LEFT:LEFT + BOTTOM_WIDTH],
        }

    def caption_rows(self):
        """Caption colour of each window row, the backdrop of caption buttons."""
        return self.frame_source[:TOP, LEFT + 20].astype(float)

    # --- caption buttons --------------------------------------------------------------

    def rounded_button(self, fw, fh, x0, y0, size, glyph, half, lk, radius, backdrop):
        xs, ys = grid(fw, fh)
        lay = Layer(fw, fh)
        x1, y1 = x0 + size, y0 + size
        if lk["border"] is not None:
            lay.paint(cover(box(xs, ys, x0, y0, x1, y1, radius)), lk["border"])
            inner = cover(box(xs, ys, x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1))
            lay.paint(inner, vgrad(ys, y0 + 1, y1 - 1, lk["top"], lk["bottom"]))
            if lk["shine"]:
                lay.paint(inner * cover(box(xs, ys, x0, y0 + 1, x1, y0 + 2)) * lk["shine"], self.SHINE)
        s = lk["shift"]
        c = x0 + size / 2.0
        lay.paint(cover(glyph(xs - s, ys - s, c, half)), lk["glyph"])
        return lay.keyed(bg=backdrop)

    def caption_strip(self, glyph, frame, looks, y_in_caption, half=5, square=BUTTON_SQUARE):
        rows = self.caption_rows()[y_in_caption:y_in_caption + frame]
        backdrop = np.repeat(rows[:, None, :], frame, axis=1)
        off = (frame - square) // 2
        radius = 5 if square >= 22 else 4
        return art.hstack([self.rounded_button(frame, frame, off, off, square, glyph, half, lk, radius,
                                               backdrop)
                           for lk in looks])

    def caption_button_images(self):
        """Frames of a caption-button strip: 1 normal, 2 pressed, 3 hot, 4 inactive
        window; 5 and 6 are not chosen by the frame painter and repeat the
        disabled and inactive looks for skins that reuse the strips."""
        images = {}
        for _, name, glyph, size, action, _, _, y, _, _ in CAPTION_BUTTONS:
            if glyph is None:
                continue
            looks = (self.CLOSE_LOOKS if action == 0 else self.GREYED_LOOKS if action < 0
                     else self.CAPTION_LOOKS)
            square = min(size, BUTTON_SQUARE)
            half = 5 if square >= 26 else 4 if square >= 22 else 3.5
            images[name] = self.caption_strip(glyph, size, looks, y, half, square)
        return images

    def title_plate(self):
        """The caption's text backing: two 23-row frames (active, inactive) that the
        engine stretches to the 46-row caption, so each row stands for two."""
        w, h = 306, TOP // 2
        (x1, y1), (x2, y2) = grid(w, h, sub_y=(0.5, 1.5))
        backdrop = self.caption_rows().reshape(h, 2, 3).mean(axis=1)[:, None, :].repeat(w, axis=1)
        frames = []
        for top, bottom in (self.PLATE_ACTIVE, self.PLATE_INACTIVE):
            lay = Layer(w, h)
            shape = (cover(box(x1, y1, 0, PLATE_TOP, w, PLATE_BOTTOM, 6))
                     + cover(box(x2, y2, 0, PLATE_TOP, w, PLATE_BOTTOM, 6))) / 2
            lay.paint(shape, vgrad((y1 + y2) / 2, PLATE_TOP, PLATE_BOTTOM, top, bottom))
            frames.append(lay.keyed(bg=backdrop))
        return art.vstack(frames)

    def mdi_buttons(self):
        """Menu-bar buttons of a maximised MDI child: minimise, restore, close,
        four frames each (normal, pressed, hot, hot: the engine shows frame 4
        under the mouse)."""
        backdrop = self.menubar_colour()
        plain, closing = self.MDI_LOOKS
        frames = []
        for glyph, looks in ((glyph_min, plain), (glyph_restore, plain), (glyph_close, closing)):
            for lk in looks:
                frames.append(self.rounded_button(15, 15, 0, 0, 15, glyph, 3.5, lk, 3, backdrop))
        return art.hstack(frames)

    # --- menus ----------------------------------------------------------------------

    def menubar_colour(self):
        return tuple(int(round(v)) for v in art.mix(*self.MENUBAR, 0.5))

    def menu_bar(self):
        """Menu strip under the caption: frame 1 active, frame 2 inactive, 30 rows
        each. The strip is squeezed to the menu height by dropping rows, so the
        separator at its foot is two rows deep and survives."""
        frames = []
        for top, bottom in (self.MENUBAR, self.MENUBAR_INACTIVE):
            xs, ys = grid(64, 30)
            lay = Layer(64, 30)
            lay.paint(np.ones((30, 64)), vgrad(ys, 0, 28, top, bottom))
            lay.paint(solid(box(xs, ys, 0, 0, 64, 1)), art.mix(top, self.SHINE, self.MENUBAR_SHINE))
            lay.paint(solid(box(xs, ys, 0, 28, 64, 30)), self.MENUBAR_LINE)
            frames.append(art.opaque(lay))
        return art.vstack(frames)

    def menu_background(self):
        """Popup background: a 3-pixel border ring (the engine copies it as the
        window's frame) and a gutter for check marks and images."""
        w, h = 88, 80
        xs, ys = grid(w, h)
        lay = Layer(w, h)
        lay.paint(np.ones((h, w)), self.MENU_BORDER)
        lay.paint(solid(box(xs, ys, 1, 1, w - 1, h - 1)), self.MENU_RING)
        lay.paint(solid(box(xs, ys, 2, 2, w - 2, h - 2)), self.MENU)
        lay.paint(solid(box(xs, ys, 3, 3, 3 + MENU_GUTTER, h - 3)), self.GUTTER)
        lay.paint(solid(box(xs, ys, 3 + MENU_GUTTER, 3, 4 + MENU_GUTTER, h - 3)), self.GUTTER_LINE)
        return art.opaque(lay)

    def menu_items(self):
        """Menu item strip, 5 frames of 92 x 36: 1 normal (transparent), 2
        separator (drawn from its bottom rows), 3 disabled, 4 selected, 5 pressed."""
        fw, fh = 92, 36
        xs, ys = grid(fw, fh)

        def empty():
            return Layer(fw, fh).keyed()

        def separator():
            dark, light = self.SEPARATOR
            lay = Layer(fw, fh)
            lay.paint(solid(box(xs, ys, 5, fh - 5, fw - 5, fh - 4)), dark)
            lay.paint(solid(box(xs, ys, 5, fh - 4, fw - 5, fh - 3)), light)
            return lay.keyed()

        def selected(top, bottom, border):
            lay = Layer(fw, fh)
            lay.paint(cover(box(xs, ys, 1, 1, fw - 1, fh - 1, 3)), border)
            lay.paint(cover(box(xs, ys, 2, 2, fw - 2, fh - 2, 2)), vgrad(ys, 2, fh - 2, top, bottom))
            return lay.keyed(bg=self.MENU)

        return art.hstack([empty(), separator(), empty(),
                           selected(*self.MENU_SELECTED), selected(*self.MENU_PRESSED)])

    # --- push buttons, check boxes, radio buttons -----------------------------------

    def push_button(self, w, h, border, top, bottom, shine=True, ring_colour=None, radius=3):
        xs, ys = grid(w, h)
        lay = Layer(w, h)
        lay.paint(cover(box(xs, ys, 0, 0, w, h, radius)), border)
        inner = cover(box(xs, ys, 1, 1, w - 1, h - 1, radius - 1))
        lay.paint(inner, vgrad(ys, 1, h - 1, top, bottom))
        if ring_colour is not None:
            lay.paint(cover(ring(box(xs, ys, 1, 1, w - 1, h - 1, radius - 1),
                                 box(xs, ys, 2, 2, w - 2, h - 2, max(radius - 2, 0)))), ring_colour)
        elif shine:
            lay.paint(inner * solid(box(xs, ys, 0, 1, w, 2)) * 0.8, self.SHINE)
        return lay.keyed(bg=self.FACE)

    def buttons(self):
        """Push buttons, 5 frames of 50 x 24: normal, pressed, disabled, hot or
        focused, and a default-button look. PUSH_BUTTONS holds push_button's
        arguments after the size for each."""
        return art.hstack([self.push_button(50, 24, *args, **kw) for args, kw in self.PUSH_BUTTONS])

    def check_boxes(self):
        """13 x 13 boxes: unchecked, checked, disabled, disabled checked (also the
        third state), and a hot unchecked box. CHECK_STATES: border, face top
        and bottom, and mark colour (None: no mark) of each."""
        s = 13

        def frame(lay, xs, ys, state):
            border, top, bottom, mark = state
            lay.paint(cover(box(xs, ys, 0, 0, s, s, 2.5)), border)
            lay.paint(cover(box(xs, ys, 1, 1, s - 1, s - 1, 1.5)), vgrad(ys, 1, s - 1, top, bottom))
            if mark:
                lay.paint(cover(check_mark(xs, ys, 0, 0, s)), mark)
            return lay.keyed(bg=self.FACE)
        return strip(s, s, self.CHECK_STATES, frame)

    def radio_buttons(self):
        """13 x 13 radio buttons in the check-box order of states."""
        s = 13
        c = s / 2.0

        def frame(lay, xs, ys, state):
            border, top, bottom, dot = state
            lay.paint(cover(art.circle(xs, ys, c, c, c)), border)
            lay.paint(cover(art.circle(xs, ys, c, c, c - 1)), vgrad(ys, 1, s - 1, top, bottom))
            if dot:
                lay.paint(cover(art.circle(xs, ys, c, c, 2.3)), dot)
            return lay.keyed(bg=self.FACE)
        return strip(s, s, self.CHECK_STATES, frame)

    # --- combo box ----------------------------------------------------------------------
    # COMBO_STATES: 1 normal, 2 pressed, 3 disabled, 4 hot or focused; each
    # a dict of border, fill (pair), arrow and inner (the edit's inside).

    def sunk_edges(self):
        """Edge around a combo box, 4 frames of 16 x 19; the corners are painted
        in the face colour so the box looks rounded without keying."""
        w, h = 16, 19

        def frame(lay, xs, ys, st):
            lay.paint(np.ones((h, w)), self.FACE)
            lay.paint(solid(box(xs, ys, 0, 0, w, h, 1.5)), st["border"])
            lay.paint(solid(box(xs, ys, 1, 1, w - 1, h - 1)), st["inner"])
            return art.opaque(lay)
        return strip(w, h, self.COMBO_STATES, frame)

    def combo_buttons(self):
        """Drop-down button at the right end of a combo box, 4 frames of 16 x 21.
        It covers the edge there, so it repeats the edge on the top, right and
        bottom; the rounded corners are keyed out to show the edge's corners."""
        w, h = 16, 21

        def frame(lay, xs, ys, st):
            lay.paint(solid(box(xs, ys, -2, 0, w, h, (0, 2, 2, 0))), st["border"])
            lay.paint(solid(box(xs, ys, 0, 1, w - 1, h - 1)), vgrad(ys, 1, h - 1, *st["fill"]))
            lay.paint(solid(box(xs, ys, 0, 1, 1, h - 1)), self.COMBO_DIVIDER)
            return lay.keyed()
        return strip(w, h, self.COMBO_STATES, frame)

    def combo_arrows(self):
        """Arrow glyphs, 5 frames of 16 x 16: the four part states, then the size
        grip that status bars draw at their corner."""
        s = 16
        xs, ys = grid(s, s)
        out = []
        for i, st in enumerate(self.COMBO_STATES):
            shift = 1 if i == 1 else 0
            lay = Layer(s, s)
            lay.paint(cover(chevron_down(xs, ys, 8, 8 + shift)), st["arrow"])
            bg = art.mix(*st["fill"], 0.5)
            out.append(lay.keyed(bg=bg))
        light, dark = self.GRIP
        lay = Layer(s, s)
        for i in range(3):
            for j in range(3 - i):
                x, y = 13 - 4 * j, 13 - 4 * i
                lay.paint(solid(box(xs, ys, x - 1, y - 1, x + 1, y + 1)), light)
                lay.paint(solid(box(xs, ys, x - 2, y - 2, x, y)), dark)
        out.append(lay.keyed(bg=self.FACE))
        return art.hstack(out)

    # --- scroll bars ----------------------------------------------------------------------

    def scroll_arrows(self):
        """23 frames of 16 x 16. Per direction (left, right, up, down): normal,
        pressed, hot, disabled; then a size grip and six plain track cells.
        SCROLL_ARROWS: plate (None: none), glyph and glyph offset per state."""
        s = 16
        xs, ys = grid(s, s)
        out = []
        for direction in ("left", "right", "up", "down"):
            for fill, glyph, shift in self.SCROLL_ARROWS:
                lay = Layer(s, s)
                if fill:
                    lay.paint(cover(box(xs, ys, 1, 1, s - 1, s - 1, 3)), fill)
                sx = shift if direction in ("left", "right") else 0
                sy = shift if direction in ("up", "down") else 0
                lay.paint(cover(chevron(xs - sx, ys - sy, 8, direction)), glyph)
                out.append(lay.keyed(bg=self.TRACK))
        out.append(self.combo_arrows()[:, 64:80])
        plain = Layer(s, s).paint(np.ones((s, s)), self.TRACK).keyed()
        out += [plain] * 6
        return art.hstack(out)

    def scroll_tracks(self, vertical):
        """Track behind the thumb, 4 frames (normal, pressed, hot, disabled): a
        flat groove with a hairline along both long sides."""
        w, h = (16, 18) if vertical else (24, 16)

        def frame(lay, xs, ys, look):
            fill, line = look
            lay.paint(np.ones((h, w)), fill)
            sides = (xs < 1) | (xs > w - 1) if vertical else (ys < 1) | (ys > h - 1)
            lay.paint(sides.astype(float), line)
            return art.opaque(lay)
        return strip(w, h, self.SCROLL_TRACKS, frame)

    def scroll_thumbs(self, vertical):
        """Thumb, 3 frames (normal, pressed, hot): a 10-pixel pill on the track."""
        w, h = (16, 24) if vertical else (42, 16)
        x0, y0, x1, y1 = (3, 1, 13, h - 1) if vertical else (1, 3, w - 1, 13)

        def frame(lay, xs, ys, look):
            fill, border = look
            lay.paint(cover(box(xs, ys, x0, y0, x1, y1, 5)), border)
            lay.paint(cover(box(xs, ys, x0 + 1, y0 + 1, x1 - 1, y1 - 1, 4)), fill)
            return lay.keyed(bg=self.TRACK)
        return strip(w, h, self.SCROLL_THUMBS, frame)

    # --- tabs, header, status bar, progress, group box -------------------------------------

    def tabs(self):
        """Tabs, 5 frames of 50 x 18: other tab, current tab, hot, disabled, and a
        spare. Rounded on top; TABS gives fill (pair), border and top cap
        (None: none) of each."""
        w, h = 50, 18

        def frame(lay, xs, ys, look):
            fill, border, cap = look
            shape = box(xs, ys, 0, 0, w, h + 4, (4, 4, 0, 0))
            lay.paint(cover(shape), border)
            lay.paint(cover(box(xs, ys, 1, 1, w - 1, h + 4, (3, 3, 0, 0))), vgrad(ys, 1, h, *fill))
            if cap:
                lay.paint(cover(box(xs, ys, 0, 0, w, 3, (4, 4, 0, 0))) * cover(shape), cap)
            return lay.keyed(bg=self.FACE)
        return strip(w, h, self.TABS, frame)

    def tab_border(self):
        """Page edge around a tab control's page; only the ring of 4, 5, 4 and 4
        pixels is drawn, so the middle just carries the face colour."""
        w, h = 58, 49
        xs, ys = grid(w, h)
        outer, light = self.TAB_PAGE
        lay = Layer(w, h)
        lay.paint(np.ones((h, w)), outer)
        lay.paint(solid(box(xs, ys, 1, 1, w - 1, h - 1)), light)
        lay.paint(solid(box(xs, ys, 2, 2, w - 1, h - 1)), self.FACE)
        return art.opaque(lay)

    def header(self):
        """Column heading, 5 frames of 55 x 26: normal, pressed, hot, disabled,
        sorted. A separator at the right and a hairline at the foot."""
        w, h = 55, 26
        line, light = self.HEADER_LINES

        def frame(lay, xs, ys, look):
            top, bottom = look
            lay.paint(np.ones((h, w)), vgrad(ys, 0, h - 1, top, bottom))
            lay.paint(solid(box(xs, ys, w - 2, 3, w - 1, h - 3)), line)
            lay.paint(solid(box(xs, ys, w - 1, 3, w, h - 3)), light)
            lay.paint(solid(box(xs, ys, 0, h - 1, w, h)), line)
            return art.opaque(lay)
        return strip(w, h, self.HEADERS, frame)

    def status_panels(self):
        """Status-bar panel edges, 3 frames of 16 x 18: lowered, raised, none."""
        w, h = 16, 18

        def frame(lay, xs, ys, look):
            border, fill = look
            lay.paint(np.ones((h, w)), self.FACE)
            if border:
                lay.paint(cover(box(xs, ys, 0, 0, w, h, 2)), border)
                lay.paint(cover(box(xs, ys, 1, 1, w - 1, h - 1, 1)), fill)
            return art.opaque(lay)
        return strip(w, h, self.STATUS_PANELS, frame)

    def progress(self):
        """Progress bar, 2 frames of 31 x 26: the trough, then the bar. The middle
        is flat so that tiling it (Tile=2) shows no seams; the bevel lives in
        the 4-pixel margins."""
        w, h = 31, 26
        xs, ys = grid(w, h)
        t, b = self.PROGRESS_TROUGH, self.PROGRESS_BAR
        lay = Layer(w, h)
        lay.paint(cover(box(xs, ys, 0, 0, w, h, 3)), t["border"])
        lay.paint(cover(box(xs, ys, 1, 1, w - 1, h - 1, 2)), t["fill"])
        lay.paint(cover(box(xs, ys, 1, 1, w - 1, 2)) * 0.6, t["shade"])
        trough = lay.keyed(bg=self.FACE)
        lay = Layer(w, h)
        lay.paint(cover(box(xs, ys, 0, 0, w, h, 3)), b["border"])
        lay.paint(cover(box(xs, ys, 1, 1, w - 1, h - 1, 2)), b["fill"])
        lay.paint(cover(box(xs, ys, 1, 1, w - 1, 4, (2, 2, 0, 0))), vgrad(ys, 1, 4, *b["shine"]))
        lay.paint(cover(box(xs, ys, 1, h - 4, w - 1, h - 1, (0, 0, 2, 2))),
                  vgrad(ys, h - 4, h - 1, *b["shade"]))
        bar = lay.keyed(bg=t["fill"])
        return art.hstack([trough, bar])

    def group_box_edges(self):
        """Group box edge, 2 frames of 46 x 54 (enabled, disabled): a rounded
        hairline frame whose top edge runs through the caption's middle."""
        w, h = 46, 54

        def frame(lay, xs, ys, line):
            lay.paint(np.ones((h, w)), self.FACE)
            lay.paint(cover(ring(box(xs, ys, 0, 7, w, h, 4), box(xs, ys, 1, 8, w - 1, h - 1, 3))), line)
            lay.paint(cover(ring(box(xs, ys, 1, 8, w - 1, h - 1, 3), box(xs, ys, 2, 9, w - 2, h - 2, 2))),
                      self.GROUP_INNER)
            return art.opaque(lay)
        return strip(w, h, self.GROUP_LINES, frame)

    def group_box_label(self):
        w, h = 50, 21
        xs, ys = grid(w, h)
        border, top, bottom = self.GROUP_LABEL
        lay = Layer(w, h)
        lay.paint(cover(box(xs, ys, 0, 1, w, h - 1, 5)), border)
        lay.paint(cover(box(xs, ys, 1, 2, w - 1, h - 2, 4)), vgrad(ys, 2, h - 2, top, bottom))
        return lay.keyed(bg=self.FACE)

    def tool_buttons(self):
        """Tool-bar buttons, 5 frames of 58 x 58: normal (transparent), pressed,
        disabled (transparent), hot, checked."""
        return self.square_states(self.TOOL_LOOKS, self.FACE)

    def menu_bar_items(self):
        """Menu-bar items in the tool-button layout."""
        return self.square_states(self.MENUBAR_ITEM_LOOKS, self.menubar_colour())

    def square_states(self, looks, backdrop):
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

    def toolbar_background(self):
        """A 256-colour gradient for tool-bar backgrounds; TOOLBAR is the
        gradient's two ends and the line at its foot."""
        w, h = 64, 60
        xs, ys = grid(w, h)
        top, bottom, line = self.TOOLBAR
        lay = Layer(w, h)
        lay.paint(np.ones((h, w)), vgrad(ys, 0, h - 2, top, bottom))
        lay.paint(solid(box(xs, ys, 0, h - 1, w, h)), line)
        return art.opaque(lay)

    def dialog_background(self):
        """Dialog backdrop in 16 colours: a soft vertical fade between the two
        DIALOG tones, ordered-dithered over eight steps."""
        w, h = 100, 100
        top, bottom = np.array(self.DIALOG[0]), np.array(self.DIALOG[1])
        steps = 8
        t = (np.arange(h)[:, None] / (h - 1)) * (steps - 1) + BAYER4[np.arange(h)[:, None] % 4,
                                                                    np.arange(w)[None, :] % 4] - 0.5
        level = np.clip(np.rint(t), 0, steps - 1) / (steps - 1)
        px = top * (1 - level[..., None]) + bottom * level[..., None]
        return np.rint(px).astype(np.uint8)

    # --- the whole set -----------------------------------------------------------------

    def images(self):
        """Every bitmap of the skin but the preview: name -> pixels."""
        images = {}
        images.update(self.border_images())
        images.update(self.caption_button_images())
        images.update({
            "ctrl-lefttextback.bmp": self.title_plate(),
            "button-mdi.bmp": self.mdi_buttons(),
            "menu.bmp": self.menu_bar(),
            "menuborder.bmp": self.menu_background(),
            "menutool.bmp": self.menu_items(),
            "buttons.bmp": self.buttons(),
            "checkbox.bmp": self.check_boxes(),
            "radio.bmp": self.radio_buttons(),
            "sunkedge.bmp": self.sunk_edges(),
            "combo.bmp": self.combo_buttons(),
            "combo-arrows.bmp": self.combo_arrows(),
            "arrows.bmp": self.scroll_arrows(),
            "hscroll_back.bmp": self.scroll_tracks(False),
            "vscroll_back.bmp": self.scroll_tracks(True),
            "hscroll_bar.bmp": self.scroll_thumbs(False),
            "vscroll_bar.bmp": self.scroll_thumbs(True),
            "buttons-tabs.bmp": self.tabs(),
            "tabborder.bmp": self.tab_border(),
            "header.bmp": self.header(),
            "status.bmp": self.status_panels(),
            "progress.bmp": self.progress(),
            "groupboxedge.bmp": self.group_box_edges(),
            "groupboxlabel.bmp": self.group_box_label(),
            "buttons-toolbar.bmp": self.tool_buttons(),
            "buttons-menu.bmp": self.menu_bar_items(),
            "toolbarbg.bmp": self.toolbar_background(),
            "dialog.bmp": self.dialog_background(),
        })
        return images
