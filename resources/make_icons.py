#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files.

The icons are made here, so that anyone can change and remake them:
    python3 resources/make_icons.py resources/

The picture: a sheet of paper with a blue header band and three rows, the
first two ticked in green, the last one an empty box, each followed by a
grey line of "text".

The 16 x 16 image is drawn pixel by pixel from the map below, because a
shape scaled down to 16 pixels turns to mush; the 32 x 32 image is the
same picture drawn from rectangles on whole pixels, its strokes two pixels
thick.

app_large.ico (group 101): 32 x 32 at 24 bits and 16 x 16 at 32 bits.
app_small.ico (group 102): 16 x 16 at 32 bits.
"""
import struct
import sys

COLOURS = {
    '.': None,                  # transparent
    'O': (52, 64, 84),          # outline of the sheet
    'W': (255, 255, 255),       # paper
    'H': (46, 104, 196),        # header band
    'h': (120, 164, 226),       # the header's lower edge
    'G': (34, 150, 64),         # tick
    'B': (96, 108, 128),        # empty box
    'L': (150, 160, 176),       # text line
}

SMALL = [
    '.OOOOOOOOOOOOOO.',
    '.OHHHHHHHHHHHHO.',
    '.OhhhhhhhhhhhhO.',
    '.OWWWWGGWWWWWWO.',
    '.OWGWGGWWLLLLWO.',
    '.OWWGGWWWWWWWWO.',
    '.OWWWWWWWWWWWWO.',
    '.OWWWWGGWWWWWWO.',
    '.OWGWGGWWLLLLWO.',
    '.OWWGGWWWWWWWWO.',
    '.OWWWWWWWWWWWWO.',
    '.OWBBBWWWWWWWWO.',
    '.OWBWBWWWLLLLWO.',
    '.OWBBBWWWWWWWWO.',
    '.OWWWWWWWWWWWWO.',
    '.OOOOOOOOOOOOOO.',
]


def small():
    """The 16 x 16 image as rows of (r, g, b, a), top to bottom."""
    rows = []
    for line in SMALL:
        assert len(line) == 16, line
        rows.append([colour_of(c) for c in line])
    return rows


def colour_of(key):
    colour = COLOURS[key]
    return (0, 0, 0, 0) if colour is None else colour + (255,)


def large():
    """The 32 x 32 image as rows of (r, g, b, a), top to bottom."""
    px = [[colour_of('.')] * 32 for _ in range(32)]

    def fill(x0, y0, x1, y1, key):  # inclusive corners
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour_of(key)

    def frame(x0, y0, x1, y1, key):
        fill(x0, y0, x1, y0, key)
        fill(x0, y1, x1, y1, key)
        fill(x0, y0, x0, y1, key)
        fill(x1, y0, x1, y1, key)

    def tick(x, y):
        # The small image's tick at twice the size: a short stroke down to
        # the right, then a long one up to the right, each two pixels thick.
        for dx, dy in ((0, 2), (1, 3), (2, 4), (3, 3), (4, 2), (5, 1), (6, 0)):
            fill(x + dx, y + dy, x + dx + 1, y + dy + 1, 'G')

    fill(3, 1, 28, 30, 'W')
    fill(3, 1, 28, 4, 'H')
    fill(3, 5, 28, 5, 'h')
    frame(2, 0, 29, 31, 'O')
    for row, ticked in ((0, True), (1, True), (2, False)):
        top = 9 + row * 7
        if ticked:
            tick(6, top)
        else:
            frame(7, top + 1, 11, top + 5, 'B')
        fill(16, top + 2, 25, top + 3, 'L')
    return px


def dib(px, bits):
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    rows = []
    for row in reversed(px):  # bottom-up
        data = bytearray()
        for r, g, b, a in row:
            if bits == 32:
                data += bytes((b, g, r, a))
            else:
                data += bytes((b, g, r)) if a else bytes((0, 0, 0))
        while len(data) % 4:
            data.append(0)
        rows.append(bytes(data))
    mask_stride = ((size + 31) // 32) * 4
    mask = []
    for row in reversed(px):
        bitsrow = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bitsrow[x // 8] |= 0x80 >> (x % 8)
        mask.append(bytes(bitsrow))
    return header + b''.join(rows) + b''.join(mask)


def ico(images):
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for px, bits in images:
        size = len(px)
        blob = dib(px, bits)
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b''.join(blobs)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else '.'
    with open(f'{folder}/app_large.ico', 'wb') as f:
        f.write(ico([(large(), 24), (small(), 32)]))
    with open(f'{folder}/app_small.ico', 'wb') as f:
        f.write(ico([(small(), 32)]))


if __name__ == '__main__':
    main()
