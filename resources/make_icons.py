#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files.

The icons are made here, so that anyone can change and remake them:
    python3 resources/make_icons.py resources/

The picture: a sheet of paper with a blue header band and three rows, the
first two ticked in green, the last one an empty box, each followed by a
grey line of "text".

The 16 x 16 image is drawn pixel by pixel from the map below, because a
shape scaled down to 16 pixels turns to mush. Every other size is one
design of rectangles on a 32 x 32 grid, each edge taken to the nearest whole
pixel of the size and every rectangle kept at least one pixel wide: at 32
it is the picture with strokes two pixels thick, at 256 the same at eight
times the size.

Windows asks for the sizes of its DPI: the small icon is 16, 20, 24 and 32
pixels at 96, 120, 144 and 192 DPI, the large one 32, 40, 48 and 64 (256
for the biggest views of Explorer, stored as PNG as Windows Vista and
later read it).

app_large.ico (group 101): 32 x 32 at 24 bits, 16 x 16, 40, 48, 64 and 256
at 32 bits.
app_small.ico (group 102): 16 x 16, 20, 24 and 32 at 32 bits.
"""
import struct
import sys
import zlib

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


def design(size):
    """The picture at size x size pixels, as rows of (r, g, b, a), top to
    bottom: the rectangles of a 32 x 32 design, scaled."""
    px = [[colour_of('.')] * size for _ in range(size)]

    def edge(v):
        return int(v * size / 32 + 0.5)

    def fill(x0, y0, x1, y1, key):  # inclusive corners on the 32 grid
        left, top = edge(x0), edge(y0)
        right, bottom = max(edge(x1 + 1), left + 1), max(edge(y1 + 1), top + 1)
        for y in range(top, min(bottom, size)):
            for x in range(left, min(right, size)):
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


def picture(size):
    """The image of one size: the hand-drawn map at 16, the design otherwise."""
    return small() if size == 16 else design(size)


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


def png(px):
    """A 32-bit PNG of the image, as icons of 256 pixels are stored."""
    size = len(px)
    raw = b''.join(b'\0' + bytes(c for pixel in row for c in pixel) for row in px)

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def ico(images):
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for px, bits in images:
        size = len(px)
        blob = png(px) if size >= 256 else dib(px, bits)
        side = size if size < 256 else 0  # 0 stands for 256
        out += struct.pack('<BBBBHHII', side, side, 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b''.join(blobs)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else '.'
    with open(f'{folder}/app_large.ico', 'wb') as f:
        f.write(ico([(picture(32), 24)] + [(picture(n), 32) for n in (16, 40, 48, 64, 256)]))
    with open(f'{folder}/app_small.ico', 'wb') as f:
        f.write(ico([(picture(n), 32) for n in (16, 20, 24, 32)]))


if __name__ == '__main__':
    main()
