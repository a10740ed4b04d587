"""Writes a skin folder: the description and every bitmap, drawn from a
skin's palette. Each skin's gen_<name>.py calls `main` with its palette.
The output is the same on every run."""

import os

import numpy as np

import bmpfile
import skin_preview
import skinart as art
import skindesc

# Name -> bits per pixel of every bitmap in a skin; the rest are 24-bit.
DEPTH = {"buttons-menu.bmp": 32, "buttons-toolbar.bmp": 32, "checkbox.bmp": 32,
         "groupboxlabel.bmp": 32, "menutool.bmp": 32, "preview.bmp": 16,
         "toolbarbg.bmp": 8, "dialog.bmp": 4}


def round_555(px):
    """Nearest 5-bit level of each channel, for the 16-bit preview (the BMP
    writer keeps the top five bits). Rounding, not dithering: flat faces
    stay flat."""
    level = np.rint(px * (31 / 255.0)).astype(np.uint8)
    return (level << 3) | (level >> 2)


class Skin:
    """A skin to write: its name, palette and the comment atop its description."""

    def __init__(self, name, palette, comment):
        self.name = name
        self.palette = palette
        self.comment = comment

    @property
    def folder_name(self):
        return self.name.lower()

    def description(self):
        return skindesc.description(self.palette, self.name)

    def build_images(self):
        images = self.palette.images()
        images["preview.bmp"] = round_555(skin_preview.preview_image(
            images, self.description(), self.name, self.palette))
        return images

    def generate(self, out):
        """Write the skin folder; answers the number of bitmaps written."""
        os.makedirs(out, exist_ok=True)
        images = self.build_images()
        for name in sorted(images):
            bmpfile.write(os.path.join(out, name), art.to_rows(images[name]), DEPTH.get(name, 24))
        text = skindesc.description_text(self.description(), self.comment)
        with open(os.path.join(out, self.folder_name + ".ini"), "wb") as f:
            f.write(text.encode("ascii"))
        return len(images)


def main(skin, argv):
    """`gen_<name>.py [output folder]`; the default folder is skins/<name>."""
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, skin.folder_name)
    count = skin.generate(out)
    print("wrote %d bitmaps and %s.ini to %s" % (count, skin.folder_name, out))
