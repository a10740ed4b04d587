"""The skin description every Tandrel skin shares: sections, keys and their
order are the same for all; the colours come from the skin's palette
(a skinparts.SkinArt)."""

import skinparts as sp


def value_text(v):
    """Description text of a value: colours as "r g b"."""
    if isinstance(v, tuple):
        return "%d %d %d" % v
    return str(v)


def plain(image, left, right, top, bottom, trans):
    return [("Image", image), ("LeftWidth", left), ("RightWidth", right),
            ("TopHeight", top), ("BottomHeight", bottom), ("Trans", trans), ("Tile", 0)]


def description(pal, skin_name):
    """The skin description as (section, [(key, value)]) in file order."""
    p = [("Left", "f-left.bmp"), ("LeftTopHeight", sp.TOP), ("LeftBotHeight", sp.BOTTOM),
         ("LeftFrame", 1), ("LeftStretch", 1), ("LeftTrans", 1),
         ("Right", "f-right.bmp"), ("RightTopHeight", sp.TOP), ("RightBotHeight", sp.BOTTOM),
         ("RightFrame", 1), ("RightStretch", 1), ("RightTrans", 1),
         ("Top", "f-top.bmp"), ("TopTopHeight", 0), ("TopBotHeight", 0),
         ("TopFrame", 1), ("TopStretch", 1), ("TopTrans", 0),
         ("Bottom", "f-bot.bmp"), ("BottomTopHeight", 0), ("BottomBotHeight", 0),
         ("BottomFrame", 1), ("BottomStretch", 1), ("BottomTrans", 0),
         ("TextBack", "ctrl-lefttextback.bmp"), ("TextAlignment", 0), ("Textbackground", 1),
         ("TextShift", 5), ("TextShiftVert", 0), ("TextRightClip", sp.TEXT_RIGHT_CLIP),
         ("TXTBackleft", sp.PLATE_LEFT_CAP), ("TXTBackRight", sp.PLATE_RIGHT_CAP)]
    for prefix, c in (("ActiveText", pal.TITLE_ACTIVE), ("InActiveText", pal.TITLE_INACTIVE)):
        p += [(prefix + ch, v) for ch, v in zip("RGB", c)]
    p += [("menuBar", "menu.bmp"), ("TileMenu", 0), ("TileLeftMenu", 4), ("TileRightMenu", 4)]

    button_normal, button_hot, button_pressed = pal.BUTTON_TEXT
    tab_normal, tab_hot, tab_current = pal.TAB_TEXT
    sections = [
        ("TitlebarSkin", [("SkinName", skin_name), ("Author", "Tandrel"),
                          ("Preview", "preview.bmp")]),
        ("Personality", p),
        ("Fonts", [("FontHeight", 14)]),
        ("Colours", [("WindowText", pal.INK), ("ButtonFace", pal.FACE), ("Scrollbar", pal.TRACK),
                     ("HilightText", pal.HILIGHT_TEXT), ("Hilight", pal.HILIGHT),
                     ("Menubar", pal.menubar_colour()), ("Menu", pal.MENU), ("MenuText", pal.INK),
                     ("ButtonText", pal.INK), ("ButtonHilight", pal.BUTTON_HILIGHT),
                     ("Buttonlight", pal.BUTTON_LIGHT), ("ButtonShadow", pal.SHADOW),
                     ("ButtonDkShadow", pal.DK_SHADOW), ("MenuBarText", pal.INK),
                     ("TitleTextActive", pal.TITLE_ACTIVE),
                     ("TitleTextNoActive", pal.TITLE_INACTIVE)]),
    ]
    for sec, image, _, _, action, align, x, y, vis, vis1 in sp.CAPTION_BUTTONS:
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
                     ("NormalColour2", button_normal), ("MouseOverColour2", button_hot),
                     ("PressedColour2", button_pressed)]),
        ("Progress", [("Bitmap", "progress.bmp"), ("Style", 0), ("LeftWidth", 4),
                      ("RightWidth", 4), ("TopHeight", 4), ("BottomHeight", 4),
                      ("Trans", 1), ("Tile", 2)]),
        ("GroupBoxEdge", plain("groupboxedge.bmp", 6, 6, 12, 6, trans=0)),
        ("Toolbars", plain("buttons-toolbar.bmp", 5, 5, 5, 5, trans=1)),
        ("Tabs", [("Image", "buttons-tabs.bmp"), ("Border", "tabborder.bmp"),
                  ("LeftWidth", 5), ("RightWidth", 5), ("TopHeight", 5), ("BottomHeight", 2),
                  ("Trans", 1), ("Tile", 2), ("NormalColour2", tab_normal),
                  ("MouseOverColour2", tab_hot), ("PressedColour2", tab_current)]),
        ("StatusBarEdges", plain("status.bmp", 2, 2, 2, 2, trans=0) + [("NormalColour2", pal.INK)]),
        ("ComboButton", [("Image", "combo.bmp"), ("Trans", 1)]),
        ("SunkEdge", plain("sunkedge.bmp", 2, 2, 2, 2, trans=0)),
        ("ExtraImages", [("Image", "combo-arrows.bmp"), ("Trans", 1)]),
        ("Headerbar", plain("header.bmp", 1, 3, 1, 2, trans=0) + [("NormalColour2", pal.HEADER_TEXT)]),
        ("MenuItem", plain("menutool.bmp", 4, 4, 4, 4, trans=1)),
        ("MenuBackground", plain("menuborder.bmp", 3 + sp.MENU_GUTTER + 1, 3, 3, 3, trans=0)),
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


def description_text(sections, comment):
    """The .ini text: a comment line, then the sections; CR LF line ends."""
    lines = ["; " + comment, ""]
    for name, keys in sections:
        lines.append("[%s]" % name)
        for key, value in keys:
            lines.append("%s=%s" % (key, value_text(value)))
        lines.append("")
    return "\r\n".join(lines)
