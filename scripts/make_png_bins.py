#!/usr/bin/env python3
"""Render the bin for large screens from its one vector drawing.

usage: python3 make_png_bins.py ART.mvg OUT_DIR SIZE...

Writes Rublet<SIZE>.png and Rublet<SIZE>_full.png for each size into
OUT_DIR, and their twins with the lid lifted (shown while files hover over
the bin), Rublet<SIZE>_open.png and Rublet<SIZE>_full_open.png: 32-bit PNGs
whose edges are soft (partly transparent) and whose background is fully
transparent. The drawing is in a 64 x 64 space; lines between
'# full:begin' and '# full:end' belong to the full bin only, lines between
'# open:begin' and '# open:end' to the bin with its lid lifted only, and
lines between '# closed:begin' and '# closed:end' to the bin without it
only. Sections of different kinds may nest.
ImageMagick's own vector format is used, so no outside renderer is needed.
"""
import os
import shutil
import subprocess
import sys

SPACE = 64


def fail(msg):
    sys.stderr.write('make_png_bins: %s\n' % msg)
    sys.exit(1)


SECTIONS = ('full', 'open', 'closed')
# Each picture by its name's suffix, whether it is full and whether its lid is lifted.
PICTURES = (('', False, False), ('_full', True, False),
            ('_open', False, True), ('_full_open', True, True))


def drawing(lines, full, lifted, path):
    wanted = {'full': full, 'open': lifted, 'closed': not lifted}
    kept, inside = [], set()
    for lineno, line in enumerate(lines, 1):
        mark = line.strip()
        section, _, edge = mark[1:].strip().partition(':')
        if mark.startswith('#') and section in SECTIONS and edge in ('begin', 'end'):
            if (edge == 'begin') == (section in inside):
                fail('%s:%d: %s %s' % (path, lineno, mark,
                                       'again before its end' if edge == 'begin' else 'without its begin'))
            (inside.add if edge == 'begin' else inside.discard)(section)
        elif not mark.startswith('#') and mark and all(wanted[s] for s in inside):
            kept.append(line)
    if inside:
        fail('%s: no end to %s' % (path, ', '.join('# %s:begin' % s for s in sorted(inside))))
    return kept


def render(lines, size, out):
    scale = size / SPACE
    # Given on the command line: the usual security policy refuses '@file'.
    primitives = 'affine %g,0,0,%g,0,0\n' % (scale, scale) + '\n'.join(lines)
    try:
        # No date or time chunks: the same drawing gives the same files.
        # ImageMagick 7 is `magick` (on Windows `convert` is another program).
        subprocess.run([shutil.which('magick') or 'convert', '-size', '%dx%d' % (size, size), 'xc:none', '-draw', primitives,
                        '-strip', '-define', 'png:exclude-chunks=date,time', 'PNG32:' + out],
                       check=True)
    except (OSError, subprocess.CalledProcessError) as exc:
        fail('cannot render %s: %s' % (out, exc))


def main(argv):
    if len(argv) < 4:
        sys.stderr.write(__doc__)
        return 2
    try:
        with open(argv[1], encoding='ascii') as f:
            lines = f.read().splitlines()
    except (OSError, UnicodeDecodeError) as exc:
        fail('cannot read %s: %s' % (argv[1], exc))
    for size in argv[3:]:
        for suffix, full, lifted in PICTURES:
            render(drawing(lines, full, lifted, argv[1]), int(size),
                   os.path.join(argv[2], 'Rublet%s%s.png' % (size, suffix)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
