#!/usr/bin/env python3
"""Build Rublet's default bin picture from ASCII art.

usage: python3 make_images.py ART.txt OUT.bmp [OUT.ico]

The art is 32 lines of 32 characters, one character per pixel, top row
first. Lines starting with '#' are comments. '.' is the background; every
other character is one of the 16 standard Windows colours (see COLOURS).

Output is byte-for-byte deterministic (no timestamps, no dict-order
surprises), so two builds of the same art give the same files.
"""
import struct
import sys

SIZE = 32

# Standard Windows 16-colour palette, in its usual index order. The ICO
# palette uses exactly this order; the BMP puts it at entries 1..16.
COLOURS = [
    ('k', (0, 0, 0)),        # black
    ('r', (128, 0, 0)),      # maroon
    ('e', (0, 128, 0)),      # green
    ('o', (128, 128, 0)),    # olive
    ('n', (0, 0, 128)),      # navy
    ('p', (128, 0, 128)),    # purple
    ('t', (0, 128, 128)),    # teal
    ('s', (192, 192, 192)),  # silver
    ('g', (128, 128, 128)),  # grey
    ('R', (255, 0, 0)),      # red
    ('l', (0, 255, 0)),      # lime
    ('y', (255, 255, 0)),    # yellow
    ('b', (0, 0, 255)),      # blue
    ('f', (255, 0, 255)),    # fuchsia
    ('c', (0, 255, 255)),    # aqua
    ('w', (255, 255, 255)),  # white
]
INDEX16 = {ch: i for i, (ch, _) in enumerate(COLOURS)}

BACKGROUND = '.'
# Key colour for the BMP background: none of the 16 colours uses it, so it
# can be keyed out as transparent without eating any part of the picture.
BACKGROUND_RGB = (255, 0, 128)

BMP_SIZE = 14 + 40 + 256 * 4 + SIZE * SIZE          # 2102
ICO_XOR_SIZE = SIZE * SIZE // 2                     # 4bpp, 16 bytes a row
ICO_AND_SIZE = SIZE * 4                             # 1bpp, rows padded to 4
ICO_IMAGE_SIZE = 40 + 16 * 4 + ICO_XOR_SIZE + ICO_AND_SIZE   # 744
ICO_SIZE = 6 + 16 + ICO_IMAGE_SIZE                  # 766


def fail(msg):
    sys.stderr.write('make_images: %s\n' % msg)
    sys.exit(1)


def read_art(path):
    try:
        with open(path, 'r', encoding='ascii') as f:
            text = f.read()
    except (OSError, UnicodeDecodeError) as exc:
        fail('cannot read %s: %s' % (path, exc))
    rows = []
    for lineno, line in enumerate(text.splitlines(), 1):
        line = line.rstrip('\r')
        if line.startswith('#'):
            continue
        if len(line) != SIZE:
            fail('%s:%d: row is %d characters, expected %d'
                 % (path, lineno, len(line), SIZE))
        for col, ch in enumerate(line):
            if ch != BACKGROUND and ch not in INDEX16:
                fail('%s:%d:%d: unknown colour character %r'
                     % (path, lineno, col + 1, ch))
        rows.append(line)
    if len(rows) != SIZE:
        fail('%s: %d pixel rows, expected %d' % (path, len(rows), SIZE))
    # Whoever keys out the bitmap background samples the corner, so it must be '.'.
    if rows[0][0] != BACKGROUND:
        fail('%s: top-left pixel must be background %r'
             % (path, BACKGROUND))
    return rows


def rgbquad(rgb):
    r, g, b = rgb
    return bytes((b, g, r, 0))


def make_bmp(rows):
    # Entry 0 is the background key, 1..16 the standard colours, rest black.
    palette = [BACKGROUND_RGB] + [rgb for _, rgb in COLOURS]
    palette += [(0, 0, 0)] * (256 - len(palette))
    index = {BACKGROUND: 0}
    index.update({ch: i + 1 for ch, i in INDEX16.items()})

    pixels = bytearray()
    for row in reversed(rows):              # BMP rows are stored bottom-up
        pixels += bytes(index[ch] for ch in row)   # 32 bytes: already 4-aligned

    offset = 14 + 40 + 256 * 4
    file_header = struct.pack('<2sIHHI', b'BM', BMP_SIZE, 0, 0, offset)
    info_header = struct.pack('<IiiHHIIiiII',
                              40, SIZE, SIZE, 1, 8, 0, len(pixels),
                              3780, 3780, 0, 0)
    data = (file_header + info_header
            + b''.join(rgbquad(c) for c in palette) + bytes(pixels))
    assert len(data) == BMP_SIZE, len(data)
    return data


def make_ico(rows):
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):              # both bitmaps are bottom-up
        # Background stays black in the colour bitmap and set in the mask,
        # so it shows whatever is behind the icon.
        idx = [0 if ch == BACKGROUND else INDEX16[ch] for ch in row]
        for x in range(0, SIZE, 2):
            xor.append((idx[x] << 4) | idx[x + 1])
        bits = 0
        for ch in row:
            bits = (bits << 1) | (1 if ch == BACKGROUND else 0)
        mask += struct.pack('>I', bits)     # 32 bits = 4 bytes, no padding needed

    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4,
                        ICO_IMAGE_SIZE, 6 + 16)
    # Height is doubled: the colour bitmap and the mask are stacked.
    info_header = struct.pack('<IiiHHIIiiII',
                              40, SIZE, SIZE * 2, 1, 4, 0,
                              ICO_XOR_SIZE + ICO_AND_SIZE, 0, 0, 0, 0)
    data = (icondir + entry + info_header
            + b''.join(rgbquad(rgb) for _, rgb in COLOURS)
            + bytes(xor) + bytes(mask))
    assert len(xor) == ICO_XOR_SIZE and len(mask) == ICO_AND_SIZE
    assert len(data) == ICO_SIZE, len(data)
    return data


def write(path, data):
    try:
        with open(path, 'wb') as f:
            f.write(data)
    except OSError as exc:
        fail('cannot write %s: %s' % (path, exc))


def main(argv):
    if len(argv) not in (3, 4):
        sys.stderr.write('usage: python3 make_images.py ART.txt OUT.bmp [OUT.ico]\n')
        return 2
    rows = read_art(argv[1])
    write(argv[2], make_bmp(rows))
    if len(argv) == 4:
        write(argv[3], make_ico(rows))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
