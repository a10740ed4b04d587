#!/usr/bin/env python3
"""The README pictures' checker, and how tandrelshots fails.

  test_shots.py [TANDRELSHOTS_EXE]

With the exe (and a Wine session: WINEPREFIX and DISPLAY set) the failures
of tandrelshots itself are run too.
"""
import importlib.machinery
import io
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import types
import time
import unittest
from contextlib import redirect_stdout

from PIL import Image

ROOT = pathlib.Path(__file__).resolve().parents[3]
# The checker's file name has a dash: it is loaded by path, not imported.
check = types.ModuleType('check_screenshots')
importlib.machinery.SourceFileLoader('check_screenshots',
                                     str(ROOT / 'scripts' / 'check-screenshots.py')).exec_module(check)

SHOTS_EXE = sys.argv.pop(1) if len(sys.argv) > 1 else None
WINE = '/usr/lib/wine/wine64'


def windows_path(path):
    """A Unix path as a Windows program sees it (Wine maps Z: to /)."""
    return 'Z:' + str(path).replace('/', '\\')


def picture(path, size=(120, 80), flat=False):
    image = Image.new('RGB', size, (40, 60, 200))
    if not flat:
        image.putpixel((size[0] // 2, size[1] // 2), (255, 255, 255))
    image.save(path)


class CheckScreenshotsTest(unittest.TestCase):
    def setUp(self):
        self.dir = pathlib.Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.dir)
        self.readme = self.dir / 'README.md'
        self.readme.write_text('![a](docs/panel.png)\n![b](docs/menu.png) and docs/panel.png again\n')
        self.out = self.dir / 'out'
        self.out.mkdir()

    def run_check(self):
        printed = io.StringIO()
        with redirect_stdout(printed):
            code = check.main(['check', str(self.readme), str(self.out)])
        return code, printed.getvalue()

    def test_names_are_found_once_each_in_order_and_only_under_docs(self):
        text = 'docs/b.png docs/a.png docs/b.png other/docs/c.png docs/d.jpg (docs/e-1.png)'
        self.assertEqual(check.named_pictures(text), ['b.png', 'a.png', 'e-1.png'])

    def test_good_pictures_pass(self):
        picture(self.out / 'panel.png')
        picture(self.out / 'menu.png')
        code, printed = self.run_check()
        self.assertEqual(code, 0, printed)

    def test_each_kind_of_fault_is_named_on_its_own_line(self):
        picture(self.out / 'panel.png', flat=True)
        code, printed = self.run_check()
        self.assertEqual(code, 1)
        self.assertIn('panel.png: one flat colour', printed)
        self.assertIn('menu.png: missing', printed)
        self.assertEqual(len(printed.splitlines()), 2)

    def test_a_bmp_under_a_png_name_a_cut_file_and_a_sliver_fail(self):
        picture(self.out / 'panel.png')
        Image.new('RGB', (64, 64), (1, 2, 3)).save(self.out / 'menu.png', 'BMP')
        self.assertEqual(check.fault_of(self.out / 'menu.png'), 'not a PNG file')
        whole = (self.out / 'panel.png').read_bytes()
        (self.out / 'menu.png').write_bytes(whole[:len(whole) // 2])
        self.assertTrue(check.fault_of(self.out / 'menu.png').startswith('damaged PNG'))
        picture(self.out / 'menu.png', size=(400, 3))
        self.assertIn('not a sensible size', check.fault_of(self.out / 'menu.png'))

    def test_a_readme_naming_no_picture_fails(self):
        self.readme.write_text('No pictures here.\n')
        code, printed = self.run_check()
        self.assertEqual(code, 1)
        self.assertIn('names no docs/*.png', printed)


@unittest.skipUnless(SHOTS_EXE and os.environ.get('WINEPREFIX') and os.environ.get('DISPLAY'),
                     'needs tandrelshots.exe and a Wine session')
class TandrelShotsFailureTest(unittest.TestCase):
    """Each failure is one line on stderr and exit code 1, without waiting out a deadline."""

    def shots(self, *args):
        # Output through files: a Wine service started meanwhile would keep
        # a pipe open long after the program ended.
        started = time.monotonic()
        with tempfile.TemporaryFile('w+') as out, tempfile.TemporaryFile('w+') as err:
            done = subprocess.run([WINE, SHOTS_EXE, *args], stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                                  timeout=120)
            out.seek(0)
            err.seek(0)
            done.stdout, done.stderr = out.read(), err.read()
        return done, time.monotonic() - started

    def expect_one_line(self, done, *words, before=0):
        """`before`: lines a stand-in for the program wrote first (it shares the console)."""
        self.assertEqual(done.returncode, 1, done.stderr)
        lines = done.stderr.strip().splitlines()[before:]
        self.assertEqual(len(lines), 1, done.stderr)
        self.assertTrue(lines[0].startswith('tandrelshots: '), lines[0])
        for word in words:
            self.assertIn(word, lines[0])

    def test_wrong_arguments(self):
        done, _ = self.shots('only-one')
        self.expect_one_line(done, 'usage')

    def test_a_missing_program(self):
        with tempfile.TemporaryDirectory() as out:
            done, _ = self.shots(windows_path('/no/such/Tandrel.exe'), windows_path(out))
        self.expect_one_line(done, 'Tandrel.exe', 'does not exist')

    def test_a_file_that_is_no_program(self):
        with tempfile.TemporaryDirectory() as out:
            fake = pathlib.Path(out) / 'Tandrel.exe'
            fake.write_bytes(b'not a program')
            done, _ = self.shots(windows_path(fake), windows_path(out))
        self.expect_one_line(done, 'could not start', 'Tandrel.exe')

    def test_a_program_that_ends_before_its_windows_show(self):
        # tandrelshots itself, started without arguments, prints its usage
        # and ends at once; the wait must see that, not run out its time.
        with tempfile.TemporaryDirectory() as out:
            done, took = self.shots(windows_path(SHOTS_EXE), windows_path(out))
            self.assertEqual(os.listdir(out), [])
        self.expect_one_line(done, 'ended (exit code 1)', 'TForm4', before=1)
        self.assertLess(took, 30)


if __name__ == '__main__':
    unittest.main(verbosity=2)
