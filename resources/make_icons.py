#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files.

The icons are drawn from code, so that anyone can change and remake them:
    python3 resources/make_icons.py resources/
A sheet of paper with a blue header band, three rows with boxes, the first
two of them ticked in green.
"""
import struct
import sys

PAPER = (250, 250, 246)
EDGE = (70, 90, 120)
BAND = (58, 110, 190)
BOX = (90, 100, 115)
TICK = (40, 160, 70)
LINE = (160, 170, 185)


def draw(size):
    """Returns rows (top to bottom) of (r, g, b, a) pixels."""
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 32.0

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(round(y0 * s)), int(round(y1 * s))):
            for x in range(int(round(x0 * s)), int(round(x1 * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = colour + (255,)

    def outline(x0, y0, x1, y1, colour):
        a, b = int(round(x0 * s)), int(round(y0 * s))
        c, d = int(round(x1 * s)) - 1, int(round(y1 * s)) - 1
        for x in range(a, c + 1):
            px[b][x] = px[d][x] = colour + (255,)
        for y in range(b, d + 1):
            px[y][a] = px[y][c] = colour + (255,)

    rect(3, 2, 29, 30, PAPER)
    rect(3, 2, 29, 8, BAND)
    outline(3, 2, 29, 30, EDGE)
    for row, ticked in ((0, True), (1, True), (2, False)):
        top = 11 + row * 6
        outline(6, top, 11, top + 5, BOX)
        rect(13, top + 2, 26, top + 3 if size >= 32 else top + 3.5, LINE)
        if ticked:
            # A small tick: down-right stroke then a longer up-right stroke.
            pts = [(6.5, top + 2), (7.5, top + 3), (8.5, top + 4), (9.5, top + 3),
                   (10.5, top + 2), (11.5, top + 1), (12.5, top)]
            for fx, fy in pts:
                x, y = int(fx * s), int(fy * s)
                for dy in range(max(1, int(s))):
                    if 0 <= y + dy < size:
                        px[y + dy][x] = TICK + (255,)
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
    for size, bits in images:
        blob = dib(draw(size), bits)
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b''.join(blobs)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else '.'
    with open(f'{folder}/app_large.ico', 'wb') as f:
        f.write(ico([(32, 24), (16, 32)]))
    with open(f'{folder}/app_small.ico', 'wb') as f:
        f.write(ico([(16, 32)]))


if __name__ == '__main__':
    main()
