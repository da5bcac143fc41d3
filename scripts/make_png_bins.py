#!/usr/bin/env python3
"""Render the bin for large screens from its one vector drawing.

usage: python3 make_png_bins.py ART.mvg OUT_DIR SIZE...

Writes Rublet<SIZE>.png and Rublet<SIZE>_full.png for each size into
OUT_DIR: 32-bit PNGs whose edges are soft (partly transparent) and whose
background is fully transparent. The drawing is in a 64 x 64 space; lines
between '# full:begin' and '# full:end' belong to the full bin only.
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


def drawing(lines, full):
    kept, inside = [], False
    for line in lines:
        mark = line.strip()
        if mark == '# full:begin':
            inside = True
        elif mark == '# full:end':
            inside = False
        elif not mark.startswith('#') and mark and (full or not inside):
            kept.append(line)
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
        for full, suffix in ((False, ''), (True, '_full')):
            render(drawing(lines, full), int(size), os.path.join(argv[2], 'Rublet%s%s.png' % (size, suffix)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
