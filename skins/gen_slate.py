#!/usr/bin/python3
"""Generates Slate, Tandrel's default skin: slate/slate.ini and its 41 bitmaps.

    python3 skins/gen_slate.py [output folder]      (default: skins/slate)

Needs NumPy and Pillow (Debian: python3-numpy, python3-pil); Pillow is only
used to rasterise the sample text of preview.bmp. The output is the same on
every run. The artwork is in slate_art.py and the description below: change
them and run again rather than editing the bitmaps.
"""

import os
import sys

import numpy as np

import bmpfile
import skinart as art
import slate_preview
import slate_art as sa

SKIN_NAME = "Slate"


def round_555(px):
    """Nearest 5-bit level of each channel, for the 16-bit preview (the BMP
    writer keeps the top five bits). Rounding, not dithering: flat faces
    stay flat."""
    level = np.rint(px * (31 / 255.0)).astype(np.uint8)
    return (level << 3) | (level >> 2)


# --- description -------------------------------------------------------------------------

def description():
    """The skin description as (section, [(key, value)]) in file order."""
    p = [("Left", "f-left.bmp"), ("LeftTopHeight", sa.TOP), ("LeftBotHeight", sa.BOTTOM),
         ("LeftFrame", 1), ("LeftStretch", 1), ("LeftTrans", 1),
         ("Right", "f-right.bmp"), ("RightTopHeight", sa.TOP), ("RightBotHeight", sa.BOTTOM),
         ("RightFrame", 1), ("RightStretch", 1), ("RightTrans", 1),
         ("Top", "f-top.bmp"), ("TopTopHeight", 0), ("TopBotHeight", 0),
         ("TopFrame", 1), ("TopStretch", 1), ("TopTrans", 0),
         ("Bottom", "f-bot.bmp"), ("BottomTopHeight", 0), ("BottomBotHeight", 0),
         ("BottomFrame", 1), ("BottomStretch", 1), ("BottomTrans", 0),
         ("TextBack", "ctrl-lefttextback.bmp"), ("TextAlignment", 0), ("Textbackground", 1),
         ("TextShift", 5), ("TextShiftVert", 0), ("TextRightClip", sa.TEXT_RIGHT_CLIP),
         ("TXTBackleft", sa.PLATE_LEFT_CAP), ("TXTBackRight", sa.PLATE_RIGHT_CAP)]
    for prefix, c in (("ActiveText", sa.TITLE_ACTIVE), ("InActiveText", sa.TITLE_INACTIVE)):
        p += [(prefix + ch, v) for ch, v in zip("RGB", c)]
    p += [("menuBar", "menu.bmp"), ("TileMenu", 0), ("TileLeftMenu", 4), ("TileRightMenu", 4)]

    sections = [
        ("TitlebarSkin", [("SkinName", SKIN_NAME), ("Author", "Tandrel"),
                          ("Preview", "preview.bmp")]),
        ("Personality", p),
        ("Fonts", [("FontHeight", 14)]),
        ("Colours", [("WindowText", sa.INK), ("ButtonFace", sa.FACE), ("Scrollbar", sa.TRACK),
                     ("HilightText", sa.WHITE), ("Hilight", sa.ACCENT), ("Menubar", sa.menubar_colour()),
                     ("Menu", sa.MENU), ("MenuText", sa.INK), ("ButtonText", sa.INK),
                     ("ButtonHilight", sa.WHITE), ("Buttonlight", (244, 246, 249)),
                     ("ButtonShadow", sa.SHADOW), ("ButtonDkShadow", (84, 98, 120)),
                     ("MenuBarText", sa.INK), ("TitleTextActive", sa.TITLE_ACTIVE),
                     ("TitleTextNoActive", sa.TITLE_INACTIVE)]),
    ]
    for sec, image, _, _, action, align, x, y, vis, vis1 in sa.CAPTION_BUTTONS:
        keys = [("ButtonImage", image), ("Action", action), ("Align", align), ("Xcoord", x),
                ("Ycoord", y), ("Visibility", vis), ("Visibility1", vis1), ("CombineOp", -1)]
        if image != "0":
            keys.append(("frame", 6))
        sections.append((sec, keys))
    sections += [
        ("MDICONTROLS", [("Image", "button-mdi.bmp")]),
        ("Buttons", [("Bitmap", "buttons.bmp"), ("LeftWidth", 4), ("RightWidth", 4),
                     ("TopHeight", 4), ("BottomHeight", 4), ("Trans", 1), ("Tile", 0),
                     ("CheckButton", "checkbox.bmp"), ("CheckButtonFrame", 5),
                     ("RadioButton", "radio.bmp"), ("RadioButtonFrame", 5),
                     ("NormalColour2", sa.INK), ("MouseOverColour2", sa.ACCENT_DARK),
                     ("PressedColour2", (16, 24, 36))]),
        ("Progress", [("Bitmap", "progress.bmp"), ("Style", 0), ("LeftWidth", 4),
                      ("RightWidth", 4), ("TopHeight", 4), ("BottomHeight", 4),
                      ("Trans", 1), ("Tile", 2)]),
        ("GroupBoxEdge", plain("groupboxedge.bmp", 6, 6, 12, 6, trans=0)),
        ("Toolbars", plain("buttons-toolbar.bmp", 5, 5, 5, 5, trans=1)),
        ("Tabs", [("Image", "buttons-tabs.bmp"), ("Border", "tabborder.bmp"),
                  ("LeftWidth", 5), ("RightWidth", 5), ("TopHeight", 5), ("BottomHeight", 2),
                  ("Trans", 1), ("Tile", 2), ("NormalColour2", (70, 82, 100)),
                  ("MouseOverColour2", sa.INK), ("PressedColour2", sa.INK)]),
        ("StatusBarEdges", plain("status.bmp", 2, 2, 2, 2, trans=0) + [("NormalColour2", sa.INK)]),
        ("ComboButton", [("Image", "combo.bmp"), ("Trans", 1)]),
        ("SunkEdge", plain("sunkedge.bmp", 2, 2, 2, 2, trans=0)),
        ("ExtraImages", [("Image", "combo-arrows.bmp"), ("Trans", 1)]),
        ("Headerbar", plain("header.bmp", 1, 3, 1, 2, trans=0) + [("NormalColour2", sa.INK)]),
        ("MenuItem", plain("menutool.bmp", 4, 4, 4, 4, trans=1)),
        ("MenuBackground", plain("menuborder.bmp", 3 + sa.MENU_GUTTER + 1, 3, 3, 3, trans=0)),
        ("Scrollbar", [("Image", "arrows.bmp"), ("Trans", 1)]),
        ("HorzScroll", plain("hscroll_back.bmp", 0, 0, 1, 1, trans=0)),
        ("VertScroll", plain("vscroll_back.bmp", 1, 1, 0, 0, trans=0)),
        ("HorzScrollThumb", plain("hscroll_bar.bmp", 6, 6, 0, 0, trans=1) + [("FrameCount", 3)]),
        ("VertScrollThumb", plain("vscroll_bar.bmp", 0, 0, 6, 6, trans=1) + [("FrameCount", 3)]),
        # Not read by the engine; they keep the remaining artwork addressable.
        ("GroupBoxLabel", plain("groupboxlabel.bmp", 6, 6, 0, 0, trans=1)),
        ("MenuBarItem", plain("buttons-menu.bmp", 5, 5, 5, 5, trans=1)),
        ("ToolbarBackground", [("Image", "toolbarbg.bmp"), ("Tile", 1)]),
        ("DialogBackground", [("Image", "dialog.bmp"), ("Tile", 1)]),
    ]
    return sections


def plain(image, left, right, top, bottom, trans):
    return [("Image", image), ("LeftWidth", left), ("RightWidth", right),
            ("TopHeight", top), ("BottomHeight", bottom), ("Trans", trans), ("Tile", 0)]


def description_text(sections):
    lines = ["; Slate, the default skin of Tandrel. Written by gen_slate.py.", ""]
    for name, keys in sections:
        lines.append("[%s]" % name)
        for key, value in keys:
            lines.append("%s=%s" % (key, slate_preview.value_text(value)))
        lines.append("")
    return "\r\n".join(lines)


# --- the image set ---------------------------------------------------------------------

# Name -> bits per pixel of every bitmap in the skin.
DEPTH = {"buttons-menu.bmp": 32, "buttons-toolbar.bmp": 32, "checkbox.bmp": 32,
         "groupboxlabel.bmp": 32, "menutool.bmp": 32, "preview.bmp": 16,
         "toolbarbg.bmp": 8, "dialog.bmp": 4}


def build_images():
    images = {}
    images.update(sa.border_images())
    images.update(sa.caption_button_images())
    images.update({
        "ctrl-lefttextback.bmp": sa.title_plate(),
        "button-mdi.bmp": sa.mdi_buttons(),
        "menu.bmp": sa.menu_bar(),
        "menuborder.bmp": sa.menu_background(),
        "menutool.bmp": sa.menu_items(),
        "buttons.bmp": sa.buttons(),
        "checkbox.bmp": sa.check_boxes(),
        "radio.bmp": sa.radio_buttons(),
        "sunkedge.bmp": sa.sunk_edges(),
        "combo.bmp": sa.combo_buttons(),
        "combo-arrows.bmp": sa.combo_arrows(),
        "arrows.bmp": sa.scroll_arrows(),
        "hscroll_back.bmp": sa.scroll_tracks(False),
        "vscroll_back.bmp": sa.scroll_tracks(True),
        "hscroll_bar.bmp": sa.scroll_thumbs(False),
        "vscroll_bar.bmp": sa.scroll_thumbs(True),
        "buttons-tabs.bmp": sa.tabs(),
        "tabborder.bmp": sa.tab_border(),
        "header.bmp": sa.header(),
        "status.bmp": sa.status_panels(),
        "progress.bmp": sa.progress(),
        "groupboxedge.bmp": sa.group_box_edges(),
        "groupboxlabel.bmp": sa.group_box_label(),
        "buttons-toolbar.bmp": sa.tool_buttons(),
        "buttons-menu.bmp": sa.menu_bar_items(),
        "toolbarbg.bmp": sa.toolbar_background(),
        "dialog.bmp": sa.dialog_background(),
    })
    images["preview.bmp"] = round_555(slate_preview.preview_image(images, description()))
    return images


def generate(out):
    """Write the skin folder; answers the number of bitmaps written."""
    os.makedirs(out, exist_ok=True)
    images = build_images()
    for name in sorted(images):
        bmpfile.write(os.path.join(out, name), art.to_rows(images[name]), DEPTH.get(name, 24))
    with open(os.path.join(out, "slate.ini"), "wb") as f:
        f.write(description_text(description()).encode("ascii"))
    return len(images)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "slate")
    print("wrote %d bitmaps and slate.ini to %s" % (generate(out), out))


if __name__ == "__main__":
    main(sys.argv)
