#!/usr/bin/env python3
"""Checks a skin source folder before it is packed.

    python3 skins/check_skin.py [folder]        (default: skins/slate)

Every Tandrel skin (Slate, Dusk) has the same 41 bitmaps, with the names,
sizes and depths below, and one description named after the skin, in a
folder named after the skin. The description is read the way the engine
reads it (sections and keys without regard to case, the first match wins)
and checked against the images: every image it names exists, frame strips
divide evenly, margins leave a middle, images drawn opaque carry no key
colour, and the frame and caption-button layout is the one all our skins
share. Standard library only. Exits 1 and lists the faults when there are any.
"""

import os
import sys

import bmpfile

# name: (width, height, bits per pixel)
EXPECTED = {
    "arrows.bmp": (368, 16, 24), "button-mdi.bmp": (180, 15, 24),
    "buttons.bmp": (250, 24, 24), "buttons-menu.bmp": (290, 58, 32),
    "buttons-tabs.bmp": (250, 18, 24), "buttons-toolbar.bmp": (290, 58, 32),
    "checkbox.bmp": (65, 13, 32), "combo.bmp": (64, 21, 24),
    "combo-arrows.bmp": (80, 16, 24), "ctrl-close.bmp": (180, 30, 24),
    "ctrl-help.bmp": (132, 22, 24), "ctrl-lefttextback.bmp": (306, 46, 24),
    "ctrl-max.bmp": (156, 26, 24), "ctrl-max-dis.bmp": (156, 26, 24),
    "ctrl-min.bmp": (156, 26, 24), "ctrl-min-d.bmp": (156, 26, 24),
    "ctrl-rest.bmp": (156, 26, 24), "ctrl-rest-d.bmp": (156, 26, 24),
    "ctrl-roll.bmp": (114, 19, 24), "dialog.bmp": (100, 100, 4),
    "f-bot.bmp": (397, 9, 24), "f-left.bmp": (15, 418, 24),
    "f-right.bmp": (8, 418, 24), "f-top.bmp": (226, 46, 24),
    "groupboxedge.bmp": (92, 54, 24), "groupboxlabel.bmp": (50, 21, 32),
    "header.bmp": (275, 26, 24), "hscroll_back.bmp": (96, 16, 24),
    "hscroll_bar.bmp": (126, 16, 24), "menu.bmp": (64, 60, 24),
    "menuborder.bmp": (88, 80, 24), "menutool.bmp": (460, 36, 32),
    "preview.bmp": (265, 168, 16), "progress.bmp": (62, 26, 24),
    "radio.bmp": (65, 13, 24), "status.bmp": (48, 18, 24),
    "sunkedge.bmp": (64, 19, 24), "tabborder.bmp": (58, 49, 24),
    "toolbarbg.bmp": (64, 60, 8), "vscroll_back.bmp": (64, 18, 24),
    "vscroll_bar.bmp": (48, 24, 24),
}

CAPTION_SECTIONS = ["BUTTON0", "BUTTON1", "BUTTON2", "BUTTON3", "BUTTON4",
                    "Button6", "Button7", "Button8", "Button9", "Button10"]
BORDER_SIZES = {"Left": 15, "Top": 46, "Right": 8, "Bottom": 9}
KEY = (255, 0, 255)

# Objects with a fixed frame count: section -> (image key, frames).
FIXED_FRAMES = {
    "GroupBoxEdge": ("Image", 2), "Toolbars": ("Image", 5), "Tabs": ("Image", 5),
    "StatusBarEdges": ("Image", 3), "ComboButton": ("Image", 4), "SunkEdge": ("Image", 4),
    "ExtraImages": ("Image", 5), "Headerbar": ("Image", 5), "MenuItem": ("Image", 5),
    "MenuBackground": ("Image", 1), "Scrollbar": ("Image", 23), "HorzScroll": ("Image", 4),
    "VertScroll": ("Image", 4), "Trackbar.ThumbHorz": ("Image", 5),
    "Trackbar.ThumbVert": ("Image", 5), "Trackbar.ThumbLeft": ("Image", 5),
    "Trackbar.ThumbRight": ("Image", 5), "Trackbar.ThumbUp": ("Image", 5),
    "Trackbar.ThumbDown": ("Image", 5), "UpDown.Horz": ("Image", 8),
    "UpDown.Vert": ("Image", 8),
}
# Images the engine always copies opaque, whatever their Trans key says.
ALWAYS_OPAQUE = [("StatusBarEdges", "Image"), ("Headerbar", "Image"),
                 ("MenuBackground", "Image"), ("Tabs", "Border"), ("Personality", "menuBar")]
# Images drawn opaque unless their section's Trans is set.
OPAQUE_UNLESS_TRANS = ["SunkEdge", "HorzScroll", "VertScroll", "MenuItem", "Buttons", "Progress"]
COLOUR_KEYS = ("NormalColour2", "MouseOverColour2", "PressedColour2")


class Description:
    """An ini text read with the engine's rules."""

    def __init__(self, text):
        self.order = []      # section names as written, in file order
        self.sections = {}   # upper name -> {lower key: value}, first match wins
        self.faults = []
        current = None
        for number, line in enumerate(text.split("\r\n"), 1):
            stripped = line.strip()
            if not stripped or stripped.startswith(";"):
                continue
            if stripped.startswith("["):
                if not stripped.endswith("]"):
                    self.faults.append(f"line {number}: unclosed section header")
                    continue
                name = stripped[1:-1]
                if name.upper() in self.sections:
                    self.faults.append(f"line {number}: section [{name}] repeated")
                self.order.append(name)
                current = self.sections.setdefault(name.upper(), {})
            elif "=" in stripped and current is not None:
                key, value = stripped.split("=", 1)
                key = key.strip().lower()
                if key in current:
                    self.faults.append(f"line {number}: key {key} repeated in its section")
                current.setdefault(key, value.strip())
            else:
                self.faults.append(f"line {number}: neither a section nor a key: {stripped!r}")

    def value(self, section, key):
        return self.sections.get(section.upper(), {}).get(key.lower())

    def integer(self, section, key, default=0):
        return parse_int(self.value(section, key), default)

    def has(self, section):
        return section.upper() in self.sections


def parse_int(text, default):
    if text is None or text == "":
        return default
    t = text.strip()
    negative = t.startswith("-")
    body = t[1:] if negative else t
    try:
        if body.startswith("$"):
            v = int(body[1:], 16)
        elif body[:2] in ("0x", "0X"):
            v = int(body[2:], 16)
        elif body.isdigit():
            v = int(body)
        else:
            return default
    except ValueError:
        return default
    return -v if negative else v


def entry_name(value):
    """The package entry a bitmap value names, or None for an empty bitmap."""
    if not value:
        return None
    name = value.replace(":", "\\").rsplit("\\", 1)[-1]
    if not name or "." not in name or name[name.rfind("."):] != ".bmp":
        return None
    return name.lower()


class Checker:
    def __init__(self, folder):
        self.folder = folder
        self.faults = []
        self.images = {}   # name -> (BmpInfo, rows or None)
        self.named = set()
        self.desc = None

    def fault(self, text):
        self.faults.append(text)

    # --- files ---------------------------------------------------------------
    def check_files(self):
        names = sorted(os.listdir(self.folder))
        bmps = [n for n in names if n.lower().endswith(".bmp")]
        inis = [n for n in names if n.lower().endswith(".ini")]
        others = [n for n in names if n not in bmps and n not in inis]
        if len(bmps) != 41:
            self.fault(f"{len(bmps)} bitmaps, expected 41")
        if len(inis) != 1:
            self.fault(f"{len(inis)} descriptions, expected 1")
        for n in others:
            self.fault(f"unexpected file {n}")
        for n in bmps:
            if n != n.lower():
                self.fault(f"{n}: names are lower case")
            self.check_bitmap(n)
        for n in sorted(set(EXPECTED) - {b.lower() for b in bmps}):
            self.fault(f"{n} is missing")
        return inis[0] if len(inis) == 1 else None

    def check_bitmap(self, name):
        with open(os.path.join(self.folder, name), "rb") as f:
            data = f.read()
        try:
            info, rows = bmpfile.decode(data)
        except bmpfile.BmpError as e:
            self.fault(f"{name}: {e}")
            return
        self.images[name.lower()] = (info, rows)
        want = EXPECTED.get(name.lower())
        if want is None:
            self.fault(f"{name} is not one of the skin's bitmaps")
        elif (info.width, info.height, info.bpp) != want:
            self.fault(f"{name}: {info.width} x {info.height} at {info.bpp} bits, "
                       f"expected {want[0]} x {want[1]} at {want[2]}")
        if not info.bottom_up:
            self.fault(f"{name}: rows stored top-down")

    # --- description ---------------------------------------------------------
    def check_description(self, ini_name):
        with open(os.path.join(self.folder, ini_name), "rb") as f:
            raw = f.read()
        if ini_name != ini_name.lower():
            self.fault(f"{ini_name}: names are lower case")
        try:
            text = raw.decode("ascii")
        except UnicodeDecodeError:
            self.fault(f"{ini_name}: not plain ASCII")
            text = raw.decode("latin-1")
        if text.replace("\r\n", "").count("\n") or text.replace("\r\n", "").count("\r"):
            self.fault(f"{ini_name}: line ends must all be CR LF")
        self.desc = Description(text)
        self.faults += [f"{ini_name}: {f}" for f in self.desc.faults]
        skin_name = self.desc.value("TitlebarSkin", "SkinName")
        if not skin_name:
            self.fault("[TitlebarSkin] has no SkinName")
        else:
            if ini_name.lower() != skin_name.lower() + ".ini":
                self.fault(f"description is {ini_name}, expected {skin_name.lower()}.ini")
            folder = os.path.basename(os.path.normpath(self.folder))
            if folder != skin_name.lower():
                self.fault(f"folder is {folder}, expected {skin_name.lower()} for skin {skin_name}")
        for sec in self.desc.order:
            for key, value in self.desc.sections[sec.upper()].items():
                if value.lower().endswith(".bmp"):
                    self.image(sec, key)
        for key in ("WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar",
                    "Menu", "MenuText", "ButtonText", "ButtonHilight", "Buttonlight",
                    "ButtonShadow", "ButtonDkShadow", "MenuBarText", "TitleTextActive",
                    "TitleTextNoActive"):
            self.check_colour("Colours", key)
        for sec in self.desc.order:
            for key in COLOUR_KEYS:
                if self.desc.value(sec, key) is not None:
                    self.check_colour(sec, key)

    def check_colour(self, section, key):
        value = self.desc.value(section, key)
        if value is None:
            self.fault(f"[{section}] {key} is missing")
            return
        parts = value.split()
        if len(parts) != 3 or not all(p.isdigit() and int(p) <= 255 for p in parts):
            self.fault(f"[{section}] {key}={value} is not three numbers from 0 to 255")

    def image(self, section, key):
        """(info, rows) of the bitmap a key names, or None; faults if it is named but absent."""
        value = self.desc.value(section, key)
        name = entry_name(value)
        if name is None:
            if value and value != "0":
                self.fault(f"[{section}] {key}={value} names no .bmp entry")
            return None
        self.named.add(name)
        if name not in self.images:
            self.fault(f"[{section}] {key} names {name}, which is not in the folder")
            return None
        return self.images[name]

    # --- frames and margins ----------------------------------------------------
    def frames(self, section, key, count, vertical=False):
        """Check a strip divides into count frames; return the frame size."""
        img = self.image(section, key)
        if img is None:
            return None
        info = img[0]
        if count <= 0:
            self.fault(f"[{section}] {key}: frame count {count}")
            return None
        size = info.height if vertical else info.width
        if size % count:
            self.fault(f"[{section}] {key}: {'height' if vertical else 'width'} {size} "
                       f"does not divide into {count} frames")
        return (info.width, info.height // count) if vertical else (info.width // count, info.height)

    def margins_fit(self, section, frame, left, right, top=0, bottom=0):
        if frame is None:
            return
        fw, fh = frame
        if left + right >= fw:
            self.fault(f"[{section}] side margins {left} + {right} leave no middle in {fw} pixels")
        if top + bottom >= fh:
            self.fault(f"[{section}] top and bottom margins {top} + {bottom} leave no middle in {fh} pixels")

    def object_margins(self, section):
        d = self.desc
        return [d.integer(section, k) for k in ("LeftWidth", "RightWidth", "TopHeight", "BottomHeight")]

    def check_frames(self):
        d = self.desc
        for side, vertical in (("Left", False), ("Right", False), ("Top", True), ("Bottom", True)):
            count = d.integer("Personality", side + "Frame", 1)
            frame = self.frames("Personality", side, count, vertical)
            m0 = d.integer("Personality", side + "TopHeight")
            m1 = d.integer("Personality", side + "BotHeight")
            if vertical:
                self.margins_fit("Personality " + side, frame, m0, m1)
            else:
                self.margins_fit("Personality " + side, frame, 0, 0, m0, m1)
        frame = self.frames("Personality", "TextBack", 2, vertical=True)
        self.margins_fit("Personality TextBack", frame, d.integer("Personality", "TXTBackleft"),
                         d.integer("Personality", "TXTBackRight"))
        frame = self.frames("Personality", "menuBar", 2, vertical=True)
        self.margins_fit("Personality menuBar", frame, d.integer("Personality", "TileLeftMenu", 1),
                         d.integer("Personality", "TileRightMenu", 1))
        for sec in self.caption_sections():
            self.check_caption_button(sec)
        mdi = self.image("MDICONTROLS", "Image")
        if mdi is not None and mdi[0].width % 12:
            self.fault(f"[MDICONTROLS] width {mdi[0].width} does not divide into 12 frames")
        self.margins_fit("Buttons", self.frames("Buttons", "Bitmap", 5), *self.object_margins("Buttons"))
        for key, count_key in (("CheckButton", "CheckButtonFrame"), ("RadioButton", "RadioButtonFrame")):
            img = self.image("Buttons", key)
            count = d.integer("Buttons", count_key)
            if img is not None and count == 0:
                count = max(4, img[0].width // (13 if img[0].height < 16 else 16))
            self.frames("Buttons", key, count)
        style = d.integer("Progress", "Style")
        frame = self.frames("Progress", "Bitmap", 1 if style == 1 else 2)
        self.margins_fit("Progress", frame, *self.object_margins("Progress"))
        for sec, (key, count) in FIXED_FRAMES.items():
            if d.has(sec) and d.value(sec, key):
                self.margins_fit(sec, self.frames(sec, key, count), *self.object_margins(sec))
        for sec in ("HorzScrollThumb", "VertScrollThumb"):
            if d.has(sec):
                frame = self.frames(sec, "Image", d.integer(sec, "FrameCount", 3))
                self.margins_fit(sec, frame, *self.object_margins(sec))
        for sec in ("UpDown.Horz", "UpDown.Vert"):
            if d.value(sec, "GlyphImage"):
                self.frames(sec, "GlyphImage", 8)

    def caption_sections(self):
        return [s for s in self.desc.order if s.upper().startswith("BUTTON")
                and s.upper() not in ("BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX")]

    def check_caption_button(self, sec):
        d = self.desc
        action = d.integer(sec, "Action")
        img = self.image(sec, "ButtonImage")
        if img is None:
            if action not in (3, 11):
                self.fault(f"[{sec}] has no image and is not the system-menu button")
            return
        count = d.integer(sec, "frame")
        if count == 0:
            info = img[0]
            count = 6 if action < 0 or info.width / info.height > 3.8 else 3
        frame = self.frames(sec, "ButtonImage", count)
        if count < 4:
            self.fault(f"[{sec}] {count} frames: normal, pressed, hot and inactive need 4")
        if frame and d.integer(sec, "Align") == 1:
            top = d.integer(sec, "Ycoord")
            if top < 0 or top + frame[1] > BORDER_SIZES["Top"]:
                self.fault(f"[{sec}] rows {top} to {top + frame[1]} leave the caption")

    # --- key colour ------------------------------------------------------------
    def check_opaque(self):
        d = self.desc
        targets = list(ALWAYS_OPAQUE)
        targets += [(s, "Image") for s in OPAQUE_UNLESS_TRANS
                    if d.integer(s, "Trans") == 0 and d.has(s)]
        targets += [("Personality", side) for side in ("Left", "Right", "Top", "Bottom")
                    if d.integer("Personality", side + "Trans", 1) != 1]
        for sec, key in targets:
            img = self.image(sec, "Bitmap" if sec in ("Buttons", "Progress") else key)
            if img is not None and any(px == KEY for row in img[1] for px in row):
                self.fault(f"[{sec}] {key}: drawn opaque, yet holds key-colour pixels")
        top = self.image("Personality", "Top")
        if top is not None and any(px == KEY for row in top[1] for px in row):
            self.fault("f-top: key pixels would punch holes in the caption")

    # --- the layout all our skins share -----------------------------------------
    def check_layout(self):
        d = self.desc
        sizes = {}
        for side, axis in (("Left", "width"), ("Right", "width"), ("Top", "height"), ("Bottom", "height")):
            img = self.image("Personality", side)
            if img is None:
                continue
            count = d.integer("Personality", side + "Frame", 1)
            sizes[side] = getattr(img[0], axis) // max(count, 1)
        if sizes != BORDER_SIZES:
            self.fault(f"border sizes {sizes}, expected {BORDER_SIZES}")
        if self.caption_sections() != CAPTION_SECTIONS:
            self.fault(f"caption-button sections {self.caption_sections()}, expected {CAPTION_SECTIONS}")
        for sec in ("Tabs", "Progress"):
            if d.integer(sec, "Tile") != 2:
                self.fault(f"[{sec}] Tile is {d.value(sec, 'Tile')}, expected 2")
        if entry_name(d.value("MDICONTROLS", "Image")) != "button-mdi.bmp":
            self.fault("[MDICONTROLS] Image is not button-mdi.bmp")
        for name in sorted(set(self.images) - self.named):
            self.fault(f"{name} is named by no key of the description")

    def run(self):
        ini = self.check_files()
        if ini is None:
            return self.faults
        self.check_description(ini)
        self.check_frames()
        self.check_opaque()
        self.check_layout()
        return self.faults


def check(folder):
    """The folder's faults, each once, in the order found."""
    return list(dict.fromkeys(Checker(folder).run()))


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    folder = argv[1] if len(argv) > 1 else os.path.join(here, "slate")
    faults = check(folder)
    for f in faults:
        print("FAULT:", f)
    if faults:
        print(f"{folder}: {len(faults)} faults")
        return 1
    print(f"{folder}: {len(EXPECTED)} bitmaps and the description check out")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
