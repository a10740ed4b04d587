"""The layering check on planted trees: a clean tree passes, and each rule
fails on a tree that breaks it, naming the place.

    python3 tests/scripts/test_check_layers.py
"""
import importlib.machinery
import pathlib
import tempfile
import types
import unittest

HERE = pathlib.Path(__file__).resolve().parent
SCRIPT = HERE.parent.parent / 'scripts' / 'check-layers.py'
# The checker's file name has a hyphen: load it by path.
_loader = importlib.machinery.SourceFileLoader('check_layers', str(SCRIPT))
check_layers = types.ModuleType(_loader.name)
_loader.exec_module(check_layers)

# A small tree that keeps every rule.
CLEAN = {
    'framework/core/Object.h': '',
    'framework/controls/Control.h': '#include "framework/core/Object.h"\n',
    'framework/controls/Control.cpp': '#include "framework/controls/Control.h"\n',
    'framework/controls/WinControl.h': '#include "framework/controls/Control.h"\n',
    'skin/draw/SkinDraw.h': '#include "framework/controls/Control.h"\n',
    'app/forms/Unit1.cpp': '#include "skin/draw/SkinDraw.h"\n#include "app/mouse/Binding.h"\n',
    'app/mouse/Binding.h': '',
}


class CheckLayersTest(unittest.TestCase):
    def faults(self, changes):
        with tempfile.TemporaryDirectory() as root:
            for name, text in {**CLEAN, **changes}.items():
                path = pathlib.Path(root, name)
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_text(text, encoding='utf-8')
            return check_layers.check(root)

    def test_a_clean_tree_passes(self):
        self.assertEqual(self.faults({}), [])

    def test_an_include_against_the_layers_fails(self):
        self.assertEqual(self.faults({'framework/core/Object.h': '#include "skin/draw/SkinDraw.h"\n'}),
                         ['framework/core/Object.h:1: includes skin/draw/SkinDraw.h against the layering'])
        self.assertEqual(self.faults({'framework/graphics/Canvas.cpp': '#include "framework/forms/Forms.h"\n'}),
                         ['framework/graphics/Canvas.cpp:1: includes framework/forms/Forms.h against the layering'])

    def test_two_units_of_a_folder_that_include_each_other_fail(self):
        faults = self.faults({'framework/controls/Control.cpp': '#include "framework/controls/WinControl.h"\n'})
        self.assertEqual(faults, ['framework/controls: units include each other: Control -> WinControl -> Control'])

    def test_a_loop_through_three_units_is_named_once(self):
        faults = self.faults({
            'framework/forms/A.h': '#include "framework/forms/B.h"\n',
            'framework/forms/B.h': '#include "framework/forms/C.h"\n',
            'framework/forms/C.cpp': '#include "framework/forms/A.h"\n',
        })
        self.assertEqual(faults, ['framework/forms: units include each other: A -> B -> C -> A'])

    def test_two_folders_of_a_layer_that_include_each_other_fail(self):
        faults = self.faults({'tools/skinpack/Pack.cpp': '#include "tools/skinview/Viewer.h"\n',
                              'tools/skinview/Viewer.h': '#include "tools/skinpack/Pack.h"\n',
                              'tools/skinpack/Pack.h': ''})
        self.assertEqual(faults, ['folders include each other: tools/skinpack -> tools/skinview -> tools/skinpack'])
        self.assertIn('app/mouse/Binding.h:1: includes app/forms/Unit1.h against the layering',
                      self.faults({'app/mouse/Binding.h': '#include "app/forms/Unit1.h"\n'}))

    def test_a_relative_include_fails(self):
        for target in ('Control.h', '../core/Object.h', 'framework/controls/../core/Object.h'):
            with self.subTest(target=target):
                faults = self.faults({'framework/controls/Control.cpp': f'#include "{target}"\n'})
                self.assertEqual(faults, [f'framework/controls/Control.cpp:1: includes "{target}" relative to '
                                          'itself, not from the root'])

    def test_a_source_file_in_a_layers_root_fails(self):
        self.assertEqual(self.faults({'editors/cxTrackBar.cpp': ''}),
                         ['editors/cxTrackBar.cpp: a source file directly in the root of editors/'])

    def test_system_headers_and_other_files_are_not_its_business(self):
        self.assertEqual(self.faults({'framework/core/Object.cpp': '#include <windows.h>\n',
                                      'framework/CMakeLists.txt': 'add_library(framework)\n',
                                      'skins/check_skin.py': 'import os\n'}), [])


if __name__ == '__main__':
    unittest.main()
