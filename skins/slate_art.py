"""Slate, the default skin: cool blue-grey frame, light faces, a blue accent.
Only the palette is Slate's own; skinparts.py draws the bitmaps."""

from skinparts import WHITE, SkinArt, look

_RED = ((232, 90, 80), (204, 62, 54))
_RED_DARK = ((170, 44, 38), (186, 54, 46))


class SlateArt(SkinArt):
    ACCENT = (62, 118, 192)
    ACCENT_DARK = (40, 86, 152)
    ACCENT_LIGHT = (104, 156, 222)
    BORDER = (134, 147, 167)
    BORDER_DARK = (96, 110, 132)
    BORDER_LIGHT = (194, 202, 213)
    FACE = (232, 236, 242)        # client area and control background
    INK = (28, 36, 48)            # text on light surfaces
    MENU = (249, 250, 252)
    TRACK = (224, 229, 236)

    LOOK_NORMAL = look((82, 98, 122), (140, 156, 178), (118, 134, 158), (240, 244, 249))
    LOOK_PRESSED = look((50, 64, 86), (80, 96, 120), (94, 110, 134), (222, 229, 238), 1, 0)
    LOOK_HOT = look((94, 110, 134), (178, 193, 212), (152, 168, 190), WHITE)
    LOOK_INACTIVE = look((98, 114, 136), (118, 134, 156), (108, 124, 146), (172, 184, 200), 0, 0.08)
    LOOK_DISABLED = look((92, 108, 130), (124, 140, 162), (112, 128, 150), (158, 170, 188), 0, 0.08)
    LOOK_INACTIVE_DISABLED = look((98, 114, 136), (116, 132, 154), (108, 124, 146), (140, 154, 174), 0, 0)
    LOOK_CLOSE_HOT = look((150, 38, 32), _RED[0], _RED[1], WHITE)
    LOOK_CLOSE_PRESSED = look((116, 26, 22), _RED_DARK[0], _RED_DARK[1], (248, 226, 224), 1, 0)
    LOOK_MDI_FLAT = look(None, None, None, (64, 78, 98))
    LOOK_MDI_PRESSED = look(BORDER, (196, 205, 218), (210, 218, 229), (36, 46, 62), 1, 0)
    LOOK_MDI_HOT = look((150, 162, 180), WHITE, (238, 242, 247), (36, 46, 62))

    SHADOW = (140, 152, 170)      # disabled text, edit frames
    DK_SHADOW = (84, 98, 120)
    BUTTON_LIGHT = (244, 246, 249)
    HILIGHT = ACCENT
    HILIGHT_TEXT = WHITE
    BUTTON_HILIGHT = WHITE
    TITLE_ACTIVE = (244, 247, 251)
    TITLE_INACTIVE = (40, 50, 64)
    BUTTON_TEXT = (INK, ACCENT_DARK, (16, 24, 36))
    TAB_TEXT = ((70, 82, 100), INK, INK)
    SHINE = WHITE

    OUTLINE = (38, 48, 62)        # outermost pixel of the frame
    BEVEL = (156, 171, 192)       # highlight just inside the outline
    BEVEL_DIM = (122, 137, 158)   # the same highlight on the bottom and right
    CAPTION = ((130, 146, 168), (100, 116, 138))
    EDGE = (62, 76, 96)           # line around the client area
    PLATE_ACTIVE = ((60, 78, 104), (40, 56, 80))
    PLATE_INACTIVE = ((200, 208, 219), (184, 194, 207))

    MENUBAR = ((226, 231, 238), (212, 219, 228))
    MENUBAR_INACTIVE = ((234, 237, 242), (224, 229, 235))
    MENUBAR_SHINE = 0.6
    MENUBAR_LINE = BORDER_LIGHT
    MENU_BORDER = BORDER_DARK
    MENU_RING = WHITE
    GUTTER = (236, 239, 244)
    GUTTER_LINE = (222, 227, 234)
    SEPARATOR = ((214, 220, 228), WHITE)
    MENU_SELECTED = (ACCENT_LIGHT, ACCENT, ACCENT_DARK)
    MENU_PRESSED = (ACCENT, ACCENT_DARK, (30, 66, 122))

    PUSH_BUTTONS = (
        ((BORDER, (252, 253, 254), (226, 231, 238)), {}),
        ((BORDER_DARK, (194, 204, 218), (212, 220, 231)), dict(shine=False)),
        ((BORDER_LIGHT, (241, 243, 246), (236, 239, 243)), dict(shine=False)),
        ((ACCENT, WHITE, (232, 239, 248)), dict(ring_colour=(200, 220, 244))),
        ((ACCENT_DARK, (250, 252, 255), (226, 234, 245)), {}),
    )
    CHECK_STATES = (
        (BORDER_DARK, WHITE, (238, 241, 245), None),
        (ACCENT_DARK, ACCENT_LIGHT, ACCENT, WHITE),
        (BORDER_LIGHT, (242, 244, 247), (236, 239, 243), None),
        (BORDER_LIGHT, (184, 194, 208), (172, 183, 198), (246, 248, 250)),
        (ACCENT, WHITE, (232, 240, 250), None),
    )
    COMBO_STATES = (
        dict(border=BORDER, fill=((250, 251, 253), (230, 235, 241)), arrow=(72, 86, 108), inner=WHITE),
        dict(border=ACCENT_DARK, fill=((200, 210, 223), (214, 222, 232)), arrow=(36, 48, 66), inner=WHITE),
        dict(border=BORDER_LIGHT, fill=((241, 243, 246), (238, 240, 244)), arrow=(176, 184, 196),
             inner=(244, 245, 247)),
        dict(border=ACCENT, fill=(WHITE, (234, 240, 248)), arrow=ACCENT_DARK, inner=WHITE),
    )
    COMBO_DIVIDER = BORDER_LIGHT
    GRIP = (WHITE, BORDER)
    SCROLL_ARROWS = ((None, (104, 118, 140), 0), ((190, 200, 214), (32, 44, 62), 1),
                     ((214, 222, 232), (52, 64, 84), 0), (None, (196, 203, 213), 0))
    SCROLL_TRACKS = ((TRACK, (212, 218, 227)), ((212, 219, 228), (200, 208, 219)),
                     ((230, 234, 240), (218, 224, 232)), ((236, 239, 243), (226, 230, 236)))
    SCROLL_THUMBS = (((176, 188, 204), (150, 163, 182)), ((112, 128, 152), (92, 108, 132)),
                     ((150, 164, 184), (128, 142, 162)))
    TABS = ((((222, 228, 236), (208, 215, 225)), BORDER_LIGHT, None),
            (((252, 253, 254), FACE), BORDER, ACCENT),
            (((236, 241, 247), (222, 229, 238)), BORDER, None),
            (((236, 238, 241), (232, 234, 238)), BORDER_LIGHT, None),
            (((222, 228, 236), (208, 215, 225)), BORDER, ACCENT_LIGHT))
    TAB_PAGE = (BORDER, WHITE)
    HEADERS = ((WHITE, (232, 236, 242)), ((214, 222, 232), (224, 230, 238)),
               ((248, 251, 255), (226, 234, 244)), ((242, 244, 246), (238, 240, 243)),
               ((236, 242, 250), (218, 229, 243)))
    HEADER_LINES = (BORDER_LIGHT, WHITE)
    HEADER_TEXT = INK
    STATUS_PANELS = ((BORDER_LIGHT, (226, 231, 237)), ((206, 212, 221), (242, 244, 247)), (None, FACE))
    PROGRESS_TROUGH = dict(border=BORDER, fill=(224, 229, 236), shade=(200, 207, 217))
    PROGRESS_BAR = dict(border=ACCENT_DARK, fill=ACCENT, shine=((150, 190, 238), ACCENT_LIGHT),
                        shade=(ACCENT, (52, 102, 172)))
    GROUP_LINES = (BORDER_LIGHT, (214, 219, 226))
    GROUP_INNER = (246, 248, 250)
    GROUP_LABEL = (BORDER_LIGHT, WHITE, (238, 242, 247))
    TOOL_LOOKS = {
        "pressed": (BORDER_DARK, (196, 206, 220), (212, 220, 231)),
        "hot": (BORDER, WHITE, (232, 237, 244)),
        "checked": (ACCENT, (222, 234, 250), (206, 222, 244)),
    }
    # The open item takes the popup's colour, the hot one a flat light plate.
    MENUBAR_ITEM_LOOKS = {
        "pressed": (BORDER_DARK, MENU, MENU),
        "hot": ((160, 172, 190), (244, 246, 249), (244, 246, 249)),
        "checked": (ACCENT, (222, 234, 250), (222, 234, 250)),
    }
    TOOLBAR = ((246, 248, 250), (224, 229, 236), BORDER_LIGHT)
    DIALOG = ((240, 243, 247), FACE)

    PREVIEW_BACKDROP = ((196, 205, 216), (168, 179, 194))
    ICON = (ACCENT_DARK, ACCENT_LIGHT, WHITE)
