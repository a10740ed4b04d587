#!/usr/bin/env python3
"""The portable zip: the same bytes from the same files however and
whenever they were copied, and the files the README promises.

    test_make_zip.py MAKE_ZIP STAGE
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

MAKE_ZIP, STAGE = sys.argv[1], sys.argv[2]
PROMISED = {"Tandrel.exe", "mouse.ico", "README.txt", "skins/skinview.exe", "skins/skinpack.exe",
            "skins/slate.skn", "skins/dusk.skn"}


def make_zip(folder, out, epoch=None):
    env = dict(os.environ)
    env.pop("SOURCE_DATE_EPOCH", None)
    if epoch is not None:
        env["SOURCE_DATE_EPOCH"] = str(epoch)
    subprocess.run([sys.executable, MAKE_ZIP, folder, out], check=True, env=env)
    with open(out, "rb") as f:
        return f.read()


class PortableZipTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="tandrel-zip-")

    def tearDown(self):
        shutil.rmtree(self.work)

    def copy(self, name, times, reverse):
        # Files copied in another order and at other times than the stage's.
        dest = os.path.join(self.work, name)
        paths = sorted(os.path.relpath(os.path.join(p, f), STAGE)
                       for p, _, files in os.walk(STAGE) for f in files)
        for rel in (reversed(paths) if reverse else paths):
            os.makedirs(os.path.dirname(os.path.join(dest, rel)), exist_ok=True)
            shutil.copyfile(os.path.join(STAGE, rel), os.path.join(dest, rel))
            os.utime(os.path.join(dest, rel), (times, times))
            os.chmod(os.path.join(dest, rel), 0o600 if reverse else 0o755)
        return dest

    def test_same_files_make_the_same_bytes(self):
        first = make_zip(self.copy("a", 1000000000, False), os.path.join(self.work, "a.zip"), 1767225600)
        second = make_zip(self.copy("b", 1700000000, True), os.path.join(self.work, "b.zip"), 1767225600)
        self.assertEqual(first, second)
        other_commit = make_zip(self.copy("c", 1700000000, True), os.path.join(self.work, "c.zip"), 1767312000)
        self.assertNotEqual(first, other_commit)

    def test_entries_are_sorted_with_one_time_and_the_promised_files(self):
        out = os.path.join(self.work, "p.zip")
        make_zip(STAGE, out, 1767225600)
        with zipfile.ZipFile(out) as archive:
            infos = archive.infolist()
            names = [i.filename for i in infos]
            self.assertEqual(names, sorted(names))
            self.assertEqual(set(names), PROMISED)
            self.assertEqual({i.date_time for i in infos}, {(2026, 1, 1, 0, 0, 0)})
            self.assertEqual({i.external_attr >> 16 for i in infos}, {0o100644})
            self.assertIsNone(archive.testzip())
            readme = archive.read("README.txt").decode("utf-8")
        self.assertIn("\r\n", readme)
        self.assertNotIn("\n", readme.replace("\r\n", ""))
        for heading in ("Start it", "Stop it", "Remove it", "skinview.exe", "skinpack.exe"):
            self.assertIn(heading, readme)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
