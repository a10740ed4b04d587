#!/usr/bin/env python3
"""Checks that every #include of the product points one way along the layers.

  app -> skin, editors -> framework -> Win32
  framework: core <- graphics <- controls <- forms
  skin:      package <- description <- geometry <- draw <- data
             <- controls, menus <- forms <- engine          (+ res)

A file may include its own folder, any folder before it in its chain, and
the layers below its own. Prints each wrong-way include with its line and
exits 1 when there is one.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
CHAINS = {
    'framework': [['core'], ['graphics'], ['controls'], ['forms']],
    'skin': [['package'], ['description'], ['geometry'], ['draw'], ['data'], ['controls', 'menus'], ['forms'],
             ['engine']],
}
LAYERS = {'framework': {'framework'}, 'skin': {'skin', 'framework'}, 'editors': {'editors', 'framework'},
          'app': {'app', 'skin', 'editors', 'framework'}, 'tools': {'tools', 'skin', 'framework'}}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def rank(layer, folder):
    for i, group in enumerate(CHAINS.get(layer, [])):
        if folder in group:
            return i
    return None


def allowed(source, target):
    src = source.relative_to(ROOT).parts
    dst = pathlib.PurePosixPath(target).parts
    if src[0] not in LAYERS or dst[0] not in LAYERS and dst[0] not in ('tests', 'bench'):
        return True
    if dst[0] not in LAYERS[src[0]]:
        return False
    if dst[0] != src[0] or src[0] not in CHAINS or len(src) < 3 or len(dst) < 3:
        return True
    here, there = rank(src[0], src[1]), rank(dst[0], dst[1])
    if here is None or there is None:
        return True
    return there < here or src[1] == dst[1]


def main():
    wrong = []
    for layer in LAYERS:
        for path in sorted((ROOT / layer).rglob('*')):
            if path.suffix not in ('.h', '.cpp'):
                continue
            for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
                m = INCLUDE.match(line)
                if m and not allowed(path, m.group(1)):
                    wrong.append(f'{path.relative_to(ROOT)}:{number}: includes {m.group(1)} against the layering')
    print('\n'.join(wrong) if wrong else 'layers: every include points one way')
    return 1 if wrong else 0


if __name__ == '__main__':
    sys.exit(main())
