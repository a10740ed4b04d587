"""Tests of the skin tools: BMP files, the folder checker, and that the
committed skin folders are what gen_slate.py and gen_dusk.py make.

    python3 -m unittest discover -s skins
"""

import os
import shutil
import struct
import tempfile
import unittest

import bmpfile
import check_skin

HERE = os.path.dirname(os.path.abspath(__file__))
SLATE = os.path.join(HERE, "slate")
DUSK = os.path.join(HERE, "dusk")



def checker_board(w, h, colours):
    return [[colours[(x + 2 * y) % len(colours)] for x in range(w)] for y in range(h)]


class BmpFileTest(unittest.TestCase):
    def test_round_trip_every_depth_with_row_padding(self):
        colours = [(255, 0, 255), (10, 20, 30), (200, 100, 50), (0, 0, 0), (255, 255, 255)]
        for bpp in (4, 8, 24, 32):
            for w in (1, 3, 5, 13):
                rows = checker_board(w, 3, colours)
                data = bmpfile.encode(rows, bpp)
                info, back = bmpfile.decode(data)
                self.assertEqual((info.width, info.height, info.bpp), (w, 3, bpp))
                self.assertEqual(back, rows, f"{bpp} bits, width {w}")
                self.assertEqual(info.stride % 4, 0)

    def test_sixteen_bits_keep_five_bits_a_channel(self):
        rows = [[(248, 0, 8), (0, 248, 128), (255, 255, 255)]]
        _, back = bmpfile.decode(bmpfile.encode(rows, 16))
        self.assertEqual(back, [[(255, 0, 8), (0, 255, 132), (255, 255, 255)]])

    def test_header_layout_is_the_classic_one(self):
        data = bmpfile.encode([[(1, 2, 3)] * 2] * 2, 8)
        magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data)
        self.assertEqual((magic, size), (b"BM", len(data)))
        self.assertEqual(struct.unpack_from("<I", data, 14)[0], 40)
        self.assertEqual(offset, 14 + 40 + 4 * 1)  # one palette entry
        self.assertGreater(struct.unpack_from("<i", data, 22)[0], 0)  # bottom-up

    def test_too_many_colours_for_the_depth(self):
        rows = [[(i, 0, 0) for i in range(17)]]
        with self.assertRaises(bmpfile.BmpError):
            bmpfile.encode(rows, 4)

    def test_malformed_headers_are_rejected(self):
        good = bmpfile.encode([[(1, 2, 3)] * 4] * 4, 24)
        cases = {
            "signature": b"XX" + good[2:],
            "truncated": good[:-5],
            "compression": good[:30] + struct.pack("<I", 1) + good[34:],
            "info size": good[:14] + struct.pack("<I", 12) + good[18:],
            "depth": good[:28] + struct.pack("<H", 7) + good[30:],
        }
        for what, data in cases.items():
            with self.assertRaises(bmpfile.BmpError, msg=what):
                bmpfile.decode(data)


class DescriptionTest(unittest.TestCase):
    def test_integers(self):
        for text, want in (("12", 12), ("-3", -3), ("$1F", 31), ("0x10", 16), ("0X10", 16),
                           ("1.5", 7), ("abc", 7), ("", 7), (None, 7)):
            self.assertEqual(check_skin.parse_int(text, 7), want, text)

    def test_entry_names_follow_the_bitmap_loader(self):
        self.assertEqual(check_skin.entry_name("skins\\Slate\\MenuBorder.bmp"), "menuborder.bmp")
        self.assertEqual(check_skin.entry_name("c:arrows.bmp"), "arrows.bmp")
        self.assertIsNone(check_skin.entry_name("arrows.BMP"))
        self.assertIsNone(check_skin.entry_name("0"))
        self.assertIsNone(check_skin.entry_name("folder\\"))


class FolderCheckTest(unittest.TestCase):
    """Each case spoils a copy of the Slate folder in one way and expects
    the checker to name the fault."""

    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.folder = os.path.join(self.dir, "slate")
        shutil.copytree(SLATE, self.folder)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def path(self, name):
        return os.path.join(self.folder, name)

    def edit_ini(self, old, new):
        with open(self.path("slate.ini"), "rb") as f:
            text = f.read().decode("ascii")
        self.assertIn(old, text)
        with open(self.path("slate.ini"), "wb") as f:
            f.write(text.replace(old, new, 1).encode("ascii"))

    def assertFault(self, fragment):
        faults = check_skin.check(self.folder)
        self.assertTrue(any(fragment in f for f in faults), f"no fault with {fragment!r} in {faults}")

    def test_committed_folders_pass(self):
        self.assertEqual(check_skin.check(SLATE), [])
        self.assertEqual(check_skin.check(DUSK), [])

    def test_folder_and_description_are_named_after_the_skin(self):
        self.edit_ini("SkinName=Slate", "SkinName=Dusk")
        self.assertFault("description is slate.ini, expected dusk.ini")
        self.assertFault("folder is slate, expected dusk for skin Dusk")

    def test_missing_and_extra_files(self):
        os.remove(self.path("radio.bmp"))
        open(self.path("notes.txt"), "w").close()
        self.assertFault("radio.bmp is missing")
        self.assertFault("40 bitmaps")
        self.assertFault("unexpected file notes.txt")

    def test_wrong_depth_or_size(self):
        _, rows = bmpfile.read(self.path("checkbox.bmp"))
        bmpfile.write(self.path("checkbox.bmp"), rows, 24)
        _, rows = bmpfile.read(self.path("f-left.bmp"))
        bmpfile.write(self.path("f-left.bmp"), [r[:14] for r in rows], 24)
        self.assertFault("checkbox.bmp: 65 x 13 at 24 bits, expected 65 x 13 at 32")
        self.assertFault("f-left.bmp: 14 x 418")
        self.assertFault("border sizes")

    def test_line_ends_and_character_set(self):
        with open(self.path("slate.ini"), "rb") as f:
            text = f.read()
        with open(self.path("slate.ini"), "wb") as f:
            f.write(text.replace(b"\r\n", b"\n").replace(b"Tandrel", "Tandr\u00e9l".encode()))
        self.assertFault("CR LF")
        self.assertFault("not plain ASCII")

    def test_a_section_named_like_a_caption_button(self):
        self.edit_ini("[MenuBarItem]", "[ButtonsMenu]")
        self.assertFault("caption-button sections")

    def test_frames_must_divide_the_strip(self):
        self.edit_ini("frame=6", "frame=7")  # the close button's
        self.edit_ini("[HorzScrollThumb]\r\n", "[HorzScrollThumb]\r\nFrameCount=4\r\n")
        # Found by skinpack verify, through the engine's reader.
        self.assertFault("[BUTTON0] ButtonImage=ctrl-close.bmp: 180 pixels wide, which does not divide into 7")
        self.assertFault("[HorzScrollThumb] Image=hscroll_bar.bmp: 126 pixels wide, which does not divide into 4")

    def test_caption_buttons_need_an_inactive_frame(self):
        self.edit_ini("frame=6", "frame=3")
        self.assertFault("[BUTTON0] 3 frames")

    def test_images_named_but_absent(self):
        self.edit_ini("Image=combo-arrows.bmp", "Image=combo_arrows.bmp")
        self.assertFault('the package has no entry "combo_arrows.bmp"')
        self.assertFault("combo-arrows.bmp is named by no key")

    def test_margins_must_leave_a_middle(self):
        self.edit_ini("TXTBackleft=20", "TXTBackleft=300")
        self.assertFault("[Personality] TextBack=ctrl-lefttextback.bmp: left and right margins of 310 pixels")

    def test_key_colour_in_an_opaque_image(self):
        _, rows = bmpfile.read(self.path("f-top.bmp"))
        rows[20][100] = (255, 0, 255)
        bmpfile.write(self.path("f-top.bmp"), rows, 24)
        self.assertFault("f-top: key pixels")
        self.edit_ini("TopTrans=0", "TopTrans=1")
        self.assertFault("f-top: key pixels")

    def test_without_skinpack_the_check_fails(self):
        faults = check_skin.check(SLATE, os.path.join(self.dir, "no-skinpack"))
        self.assertTrue(any("cannot run skinpack" in f for f in faults), faults)

    def test_lines_the_engine_reads_otherwise_are_faults(self):
        self.edit_ini("SkinName=Slate\r\n", "SkinName=Slate\r\nskinname=Dusk\r\n[Unclosed\r\n")
        self.assertFault('key "skinname" again in its section; the first is read')
        self.assertFault('a section header without "]" is read as a key')

    def test_default_skin_facts(self):
        self.edit_ini("Tile=2", "Tile=0")  # the progress bar's
        self.edit_ini("Image=button-mdi.bmp", "Image=buttons.bmp")
        self.assertFault("[Progress] Tile is 0, expected 2")
        self.assertFault("[MDICONTROLS] Image is not button-mdi.bmp")


# The generator needs NumPy and Pillow (python3-numpy, python3-pil), which
# the project's setup installs.
class GeneratorTest(unittest.TestCase):
    def test_committed_folders_are_what_the_scripts_make(self):
        import gen_dusk
        import gen_slate
        for gen, folder in ((gen_slate, SLATE), (gen_dusk, DUSK)):
            out = tempfile.mkdtemp()
            try:
                gen.generate(out)
                for name in sorted(os.listdir(folder)):
                    with open(os.path.join(folder, name), "rb") as a, open(os.path.join(out, name), "rb") as b:
                        self.assertEqual(a.read(), b.read(), f"{name} differs: run {gen.__name__}.py")
                self.assertEqual(sorted(os.listdir(out)), sorted(os.listdir(folder)))
            finally:
                shutil.rmtree(out)

    def test_skins_share_the_layout_and_differ_in_colour(self):
        import skindesc
        from dusk_art import DuskArt
        from slate_art import SlateArt

        def layout(sections):
            # Everything but the name and the colours: triples, or the
            # title colours' single channels (ActiveTextR and the like).
            return [(sec, [(k, v) for k, v in keys if not isinstance(v, tuple) and k != "SkinName"
                           and k[:-1] not in ("ActiveText", "InActiveText")])
                    for sec, keys in sections]

        slate = skindesc.description(SlateArt(), "Slate")
        dusk = skindesc.description(DuskArt(), "Dusk")
        self.assertEqual(layout(dusk), layout(slate))
        self.assertNotEqual(dusk, slate)

    def test_frame_pieces_meet_without_seams(self):
        from slate_art import SlateArt
        images = SlateArt().border_images()
        left, top, right = images["f-left.bmp"], images["f-top.bmp"], images["f-right.bmp"]
        bottom = images["f-bot.bmp"]
        # Caption rows continue from the side borders into the top border,
        # and the bottom border continues the sides' bottom rows.
        self.assertTrue((left[:46, -1] == top[:, 0]).all())
        self.assertTrue((right[:46, 0] == top[:, -1]).all())
        self.assertTrue((left[-9:, -1] == bottom[:, 0]).all())
        # Rounded corners: key outside, frame colour where the edges run straight.
        self.assertEqual(tuple(left[0, 0]), (255, 0, 255))
        self.assertEqual(tuple(right[0, -1]), (255, 0, 255))
        self.assertNotEqual(tuple(left[200, 0]), (255, 0, 255))


if __name__ == "__main__":
    unittest.main()
