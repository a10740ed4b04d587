"""Dusk, a dark skin: charcoal frame and faces, light text, an amber accent.
Only the palette is Dusk's own; skinparts.py draws the bitmaps.

Text stays readable on every surface the skin colours: light ink on the
charcoal faces, dark ink on amber (selected menu items, the highlight).
Column headings are a mid steel rather than charcoal because the engine
writes their text in the system's window-text colour, which is dark."""

from skinparts import WHITE, SkinArt, look

_ON_ACCENT = (24, 18, 10)     # text and marks on amber


class DuskArt(SkinArt):
    ACCENT = (232, 152, 44)
    ACCENT_DARK = (178, 106, 24)
    ACCENT_LIGHT = (250, 190, 96)
    BORDER = (88, 93, 106)
    BORDER_DARK = (18, 19, 23)
    BORDER_LIGHT = (66, 70, 80)
    FACE = (40, 43, 50)           # client area and control background
    INK = (226, 230, 236)         # text on the charcoal surfaces
    MENU = (34, 36, 42)
    TRACK = (30, 32, 38)

    LOOK_NORMAL = look((24, 26, 31), (68, 72, 82), (54, 57, 66), (214, 218, 226))
    LOOK_PRESSED = look((12, 13, 16), (34, 36, 42), (44, 47, 54), ACCENT_LIGHT, 1, 0)
    LOOK_HOT = look(ACCENT_DARK, (88, 92, 104), (70, 74, 84), ACCENT_LIGHT)
    LOOK_INACTIVE = look((34, 36, 42), (52, 55, 63), (46, 49, 56), (124, 130, 140), 0, 0.08)
    LOOK_DISABLED = look((30, 32, 38), (50, 53, 61), (44, 47, 54), (92, 97, 106), 0, 0.08)
    LOOK_INACTIVE_DISABLED = look((34, 36, 42), (48, 51, 58), (44, 47, 54), (80, 84, 92), 0, 0)
    LOOK_CLOSE_HOT = look((120, 28, 24), (214, 72, 62), (178, 48, 40), WHITE)
    LOOK_CLOSE_PRESSED = look((90, 18, 16), (150, 36, 30), (168, 44, 36), (248, 226, 224), 1, 0)
    LOOK_MDI_FLAT = look(None, None, None, (190, 195, 204))
    LOOK_MDI_PRESSED = look(BORDER_DARK, (30, 32, 38), (38, 40, 47), ACCENT_LIGHT, 1, 0)
    LOOK_MDI_HOT = look((90, 95, 108), (72, 76, 88), (62, 66, 76), WHITE)

    SHADOW = (116, 122, 134)      # disabled text
    DK_SHADOW = (12, 13, 16)
    BUTTON_LIGHT = (62, 66, 76)
    HILIGHT = ACCENT
    HILIGHT_TEXT = _ON_ACCENT
    BUTTON_HILIGHT = (86, 91, 104)
    TITLE_ACTIVE = (255, 204, 128)
    TITLE_INACTIVE = (170, 176, 186)
    BUTTON_TEXT = (INK, (255, 206, 128), WHITE)
    TAB_TEXT = ((176, 182, 192), (255, 214, 150), (255, 214, 150))
    SHINE = (120, 126, 140)       # highlight rows: a lift, not a glare

    OUTLINE = (8, 9, 11)
    BEVEL = (74, 78, 88)
    BEVEL_DIM = (46, 49, 56)
    CAPTION = ((50, 53, 62), (30, 32, 38))
    EDGE = (14, 15, 18)
    PLATE_ACTIVE = ((20, 22, 27), (12, 13, 16))
    PLATE_INACTIVE = ((48, 51, 59), (42, 45, 52))

    MENUBAR = ((50, 53, 61), (40, 43, 50))
    MENUBAR_INACTIVE = ((46, 49, 56), (40, 43, 50))
    MENUBAR_SHINE = 0.3
    MENUBAR_LINE = (18, 19, 23)
    MENU_BORDER = (8, 9, 11)
    MENU_RING = (62, 66, 76)
    GUTTER = (28, 30, 35)
    GUTTER_LINE = (48, 51, 58)
    SEPARATOR = ((16, 17, 21), (60, 64, 74))
    MENU_SELECTED = (ACCENT_LIGHT, ACCENT, ACCENT_DARK)
    MENU_PRESSED = (ACCENT, ACCENT_DARK, (120, 70, 12))

    PUSH_BUTTONS = (
        ((BORDER_DARK, (78, 82, 94), (60, 64, 74)), {}),
        ((BORDER_DARK, (30, 32, 38), (40, 43, 50)), dict(shine=False)),
        (((56, 60, 68), (46, 49, 56), (44, 47, 54)), dict(shine=False)),
        ((ACCENT, (86, 90, 102), (66, 70, 80)), dict(ring_colour=(150, 104, 40))),
        ((ACCENT_DARK, (82, 86, 98), (62, 66, 76)), {}),
    )
    CHECK_STATES = (
        (BORDER, (24, 26, 31), (32, 34, 40), None),
        (ACCENT_DARK, ACCENT_LIGHT, ACCENT, _ON_ACCENT),
        ((58, 62, 70), (44, 47, 54), (42, 45, 52), None),
        ((58, 62, 70), (92, 96, 106), (80, 84, 94), (40, 43, 50)),
        (ACCENT, (30, 32, 38), (38, 40, 47), None),
    )
    # The edit field of a combo box keeps the system's window colour, so
    # the edge's inside matches it rather than the charcoal.
    COMBO_STATES = (
        dict(border=BORDER_DARK, fill=((76, 80, 92), (60, 64, 74)), arrow=(210, 214, 222), inner=WHITE),
        dict(border=ACCENT_DARK, fill=((34, 36, 42), (44, 47, 54)), arrow=ACCENT_LIGHT, inner=WHITE),
        dict(border=(58, 62, 70), fill=((48, 51, 58), (44, 47, 54)), arrow=(96, 101, 112),
             inner=(236, 237, 240)),
        dict(border=ACCENT, fill=((86, 90, 102), (66, 70, 80)), arrow=ACCENT_LIGHT, inner=WHITE),
    )
    COMBO_DIVIDER = (30, 32, 38)
    GRIP = ((100, 106, 118), (14, 15, 18))
    SCROLL_ARROWS = ((None, (156, 162, 174), 0), ((70, 74, 86), ACCENT_LIGHT, 1),
                     ((58, 62, 72), INK, 0), (None, (72, 76, 86), 0))
    SCROLL_TRACKS = ((TRACK, (24, 26, 31)), ((24, 26, 31), (18, 19, 23)),
                     ((36, 38, 45), (28, 30, 35)), ((34, 36, 42), (30, 32, 38)))
    SCROLL_THUMBS = (((84, 89, 102), (104, 110, 124)), (ACCENT_DARK, ACCENT),
                     ((108, 114, 128), (128, 134, 148)))
    TABS = ((((48, 51, 59), (40, 43, 50)), BORDER_LIGHT, None),
            (((62, 66, 76), FACE), BORDER, ACCENT),
            (((58, 62, 72), (48, 51, 59)), BORDER, None),
            (((42, 45, 52), (40, 43, 50)), BORDER_LIGHT, None),
            (((48, 51, 59), (40, 43, 50)), BORDER, ACCENT_LIGHT))
    TAB_PAGE = (BORDER, (58, 62, 71))
    HEADERS = (((166, 172, 184), (142, 148, 160)), ((128, 134, 146), (140, 146, 158)),
               ((184, 190, 200), (158, 164, 176)), ((140, 145, 154), (134, 139, 148)),
               ((236, 190, 120), (214, 160, 84)))
    HEADER_LINES = ((104, 110, 122), (196, 200, 208))
    HEADER_TEXT = (16, 18, 22)    # dark, like the system text the engine writes there
    STATUS_PANELS = ((BORDER_DARK, (34, 36, 42)), ((66, 70, 80), (50, 53, 61)), (None, FACE))
    PROGRESS_TROUGH = dict(border=BORDER_DARK, fill=(26, 28, 33), shade=(12, 13, 16))
    PROGRESS_BAR = dict(border=ACCENT_DARK, fill=ACCENT, shine=((255, 214, 150), ACCENT_LIGHT),
                        shade=(ACCENT, (196, 120, 28)))
    GROUP_LINES = ((78, 82, 94), (58, 62, 70))
    GROUP_INNER = (26, 28, 33)
    GROUP_LABEL = (BORDER_LIGHT, (56, 60, 69), (46, 49, 56))
    TOOL_LOOKS = {
        "pressed": (BORDER_DARK, (28, 30, 35), (36, 38, 45)),
        "hot": (BORDER, (70, 74, 86), (56, 60, 70)),
        "checked": (ACCENT_DARK, (84, 66, 40), (70, 56, 36)),
    }
    MENUBAR_ITEM_LOOKS = {
        "pressed": (BORDER_DARK, MENU, MENU),
        "hot": ((90, 95, 108), (62, 66, 76), (62, 66, 76)),
        "checked": (ACCENT_DARK, (84, 66, 40), (84, 66, 40)),
    }
    TOOLBAR = ((52, 55, 63), (38, 41, 48), (18, 19, 23))
    DIALOG = ((46, 49, 57), FACE)

    PREVIEW_BACKDROP = ((122, 86, 70), (40, 42, 60))   # a dusk sky, rust to deep blue
    ICON = (ACCENT_DARK, ACCENT, _ON_ACCENT)
