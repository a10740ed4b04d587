#!/usr/bin/env python3
"""Checks that every #include of the product points one way.

  app -> skin, editors -> framework -> Win32
  framework: core <- graphics <- controls <- forms
  skin:      package <- description <- geometry <- draw <- data
             <- controls, menus <- forms <- engine          (+ res)
  editors:   lookandfeel <- controls <- edit <- trackbar
  app:       mouse <- forms <- startup

A file may include its own folder, any folder before it in its chain, and
the layers below its own. Besides, no two units of one folder include each
other (a unit is a .h/.cpp pair), no two folders of a layer do, every
include is written from the repository root, and no source file sits
directly in a layer's root folder. Prints each fault with its place and
exits 1 when there is one.

    check-layers.py [ROOT]      (the repository by default)
"""
import pathlib
import re
import sys

CHAINS = {
    'framework': [['core'], ['graphics'], ['controls'], ['forms']],
    'skin': [['package'], ['description'], ['geometry'], ['draw'], ['data'], ['controls', 'menus'], ['forms'],
             ['engine']],
    'editors': [['lookandfeel'], ['controls'], ['edit'], ['trackbar']],
    'app': [['mouse'], ['forms'], ['startup']],
}
LAYERS = {'framework': {'framework'}, 'skin': {'skin', 'framework'}, 'editors': {'editors', 'framework'},
          'app': {'app', 'skin', 'editors', 'framework'}, 'tools': {'tools', 'skin', 'framework'}}
ROOTED = set(LAYERS) | {'tests', 'bench'}
SOURCES = ('.h', '.cpp')
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def rank(layer, folder):
    for i, group in enumerate(CHAINS.get(layer, [])):
        if folder in group:
            return i
    return None


def allowed(src, dst):
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


def relative(target):
    parts = pathlib.PurePosixPath(target).parts
    return len(parts) < 2 or parts[0] not in ROOTED or '..' in parts or '.' in parts


def loops(graph):
    """Each knot of the graph (nodes that reach each other) with one cycle
    through it, as a list of nodes, first node repeated."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(graph.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = set()
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.add(member)
                if member == node:
                    break
            if len(group) > 1:
                found.append((group, cycle_in(graph, group)))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def cycle_in(graph, group):
    start = min(group)
    path, seen = [start], {start}
    while True:
        nxt = min(n for n in graph[path[-1]] if n in group)
        if nxt in seen:
            return path[path.index(nxt):] + [nxt]
        path.append(nxt)
        seen.add(nxt)


def check(root):
    root = pathlib.Path(root)
    faults = []
    units, folders = {}, {}
    for layer in LAYERS:
        for path in sorted((root / layer).rglob('*')):
            if path.suffix not in SOURCES:
                continue
            src = path.relative_to(root)
            if len(src.parts) == 2:
                faults.append(f'{src}: a source file directly in the root of {layer}/')
            unit = src.with_suffix('').as_posix()
            folder = src.parent.as_posix()
            for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                target = m.group(1)
                if relative(target):
                    faults.append(f'{src}:{number}: includes "{target}" relative to itself, not from the root')
                    continue
                dst = pathlib.PurePosixPath(target)
                if not allowed(src.parts, dst.parts):
                    faults.append(f'{src}:{number}: includes {target} against the layering')
                there = dst.parent.as_posix()
                if there == folder:
                    if dst.with_suffix('').as_posix() != unit:
                        units.setdefault(unit, set()).add(dst.with_suffix('').as_posix())
                elif dst.parts[0] == src.parts[0]:
                    folders.setdefault(folder, set()).add(there)
    for _, cycle in loops(units):
        names = ' -> '.join(pathlib.PurePosixPath(u).name for u in cycle)
        faults.append(f'{pathlib.PurePosixPath(cycle[0]).parent}: units include each other: {names}')
    for _, cycle in loops(folders):
        faults.append('folders include each other: ' + ' -> '.join(cycle))
    return faults


def main(argv):
    root = argv[1] if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    faults = check(root)
    print('\n'.join(faults) if faults else 'layers: every include points one way')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
