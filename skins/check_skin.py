#!/usr/bin/env python3
"""Checks a skin source folder before it is packed.

    python3 skins/check_skin.py [--skinpack PATH] [folder]   (default: skins/slate)

The folder is packed and verified by skinpack (PATH, else $TANDREL_SKINPACK,
else the host build's), which reads the description with the engine's own
rules: images missing, frame strips that do not divide, margins that leave
no middle. The values looked up here are the ones skinpack describe prints,
as the engine reads them. What only our skins promise is checked here: the same 41 bitmaps
with the names, sizes and depths below, one description named after the
skin in a folder named after the skin, images drawn opaque without key
colour, and the frame and caption-button layout all our skins share.
Exits 1 and lists the faults when there are any.
"""

import json
import os
import subprocess
import sys
import tempfile

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

# Images the engine always copies opaque, whatever their Trans key says.
ALWAYS_OPAQUE = [("StatusBarEdges", "Image"), ("Headerbar", "Image"),
                 ("MenuBackground", "Image"), ("Tabs", "Border"), ("Personality", "menuBar")]
# Images drawn opaque unless their section's Trans is set.
OPAQUE_UNLESS_TRANS = ["SunkEdge", "HorzScroll", "VertScroll", "MenuItem", "Buttons", "Progress"]
COLOUR_KEYS = ("NormalColour2", "MouseOverColour2", "PressedColour2")


class Description:
    """The description as the engine reads it, from `skinpack describe`."""

    def __init__(self, described):
        self.order = []      # section names as written, in file order
        self.sections = {}   # upper name -> {lower key: value}; the first section of a name is read
        for section in described["sections"]:
            name = section["name"]
            if not name:
                continue
            self.order.append(name)
            self.sections.setdefault(name.upper(), section["keys"])
        # Lines read otherwise than meant: our own skins have none.
        self.faults = list(described["notes"])

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
    def __init__(self, folder, skinpack):
        self.folder = folder
        self.skinpack = skinpack
        self.faults = []
        self.images = {}   # name -> (BmpInfo, rows or None)
        self.named = set()
        self.desc = None
        self.described = None  # what skinpack describe printed

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
        self.desc = Description(self.described)
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
                if value and value.lower().endswith(".bmp"):
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
        return self.images.get(name)  # skinpack verify reports one that is absent

    # --- caption buttons ---------------------------------------------------------
    def frames(self, section, key, count, vertical=False):
        """The frame size of a strip of count frames (skinpack verify checks the division)."""
        img = self.image(section, key)
        if img is None or count <= 0:
            return None
        info = img[0]
        return (info.width, info.height // count) if vertical else (info.width // count, info.height)

    def check_caption_buttons(self):
        for sec in self.caption_sections():
            self.check_caption_button(sec)

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

    # --- the project's own reader --------------------------------------------------
    def check_with_skinpack(self):
        """Packs the folder, reports what skinpack verify finds in it, and
        keeps the description as skinpack describe reads it."""
        with tempfile.TemporaryDirectory() as scratch:
            package = os.path.join(scratch, "skin.skn")
            try:
                packed = subprocess.run([self.skinpack, "pack", self.folder, package],
                                        capture_output=True, text=True)
            except OSError as e:
                self.fault(f"cannot run skinpack {self.skinpack}: {e.strerror}")
                return
            if packed.returncode != 0:
                self.fault(f"skinpack pack failed: {packed.stderr.strip()}")
                return
            verified = subprocess.run([self.skinpack, "verify", package], capture_output=True, text=True)
            described = subprocess.run([self.skinpack, "describe", package], capture_output=True, text=True)
        if described.returncode == 0:
            self.described = json.loads(described.stdout)
        else:
            self.fault(f"skinpack describe failed: {described.stderr.strip()}")
        prefix = package + ": "
        for line in verified.stdout.splitlines():
            text = line[len(prefix):] if line.startswith(prefix) else line
            if not text.startswith(("note:", "ok:")):
                self.fault(text)
        if verified.returncode not in (0, 1):
            self.fault(f"skinpack verify failed: {verified.stderr.strip()}")

    def run(self):
        ini = self.check_files()
        if ini is None:
            return self.faults
        self.check_with_skinpack()
        if self.described is None:
            return self.faults
        self.check_description(ini)
        self.check_caption_buttons()
        self.check_opaque()
        self.check_layout()
        return self.faults


HERE = os.path.dirname(os.path.abspath(__file__))


def default_skinpack():
    return os.environ.get("TANDREL_SKINPACK") or os.path.join(
        HERE, os.pardir, "build", "host", "tools", "skinpack", "skinpack")


def check(folder, skinpack=None):
    """The folder's faults, each once, in the order found."""
    return list(dict.fromkeys(Checker(folder, skinpack or default_skinpack()).run()))


def main(argv):
    args = argv[1:]
    skinpack = None
    if args[:1] == ["--skinpack"] and len(args) > 1:
        skinpack, args = args[1], args[2:]
    folder = args[0] if args else os.path.join(HERE, "slate")
    faults = check(folder, skinpack)
    for f in faults:
        print("FAULT:", f)
    if faults:
        print(f"{folder}: {len(faults)} faults")
        return 1
    print(f"{folder}: {len(EXPECTED)} bitmaps and the description check out")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
