#!/usr/bin/env python3
"""Draws the logos of the demo installation: one "LOGO/<name>.BMP" for every maker folder under
"Scan/<region>/" and every family folder under "Scan/PRO/" of a program folder, and of the further
folders named (the contents of the store's packages), into the program folder's "LOGO/".

    demo/draw_logos.py <program folder> [<folder holding a "Scan/"> ...]

Each emblem is made from its name alone (shape, colours and mark), so the same folder always gets the
same logo. Plain Python: 24-bit bottom-up Windows 3.0 BMP files written by hand.
"""
import hashlib
import os
import struct
import sys

WIDTH, HEIGHT = 104, 88
PAPER = (255, 255, 255)
PALETTE = [
    ((28, 52, 96), (246, 170, 40)),    # navy and amber
    ((140, 30, 42), (240, 226, 200)),  # wine and sand
    ((24, 104, 84), (232, 244, 236)),  # pine and mist
    ((70, 40, 120), (250, 206, 92)),   # plum and gold
    ((34, 40, 50), (96, 180, 230)),    # graphite and sky
    ((176, 74, 20), (255, 240, 210)),  # rust and cream
]
SHAPES = ['circle', 'diamond', 'shield', 'hexagon']


def inside(shape, x, y, cx, cy, r):
    dx, dy = x - cx, y - cy
    if shape == 'circle':
        return dx * dx + dy * dy <= r * r
    if shape == 'diamond':
        return abs(dx) + abs(dy) <= r
    if shape == 'hexagon':
        return abs(dy) <= r * 0.87 and abs(dx) * 0.87 + abs(dy) * 0.5 <= r * 0.87
    # shield: a square top and a pointed bottom
    if dy < 0:
        return abs(dx) <= r * 0.85 and dy >= -r * 0.85
    return abs(dx) <= r * 0.85 * (1 - dy / r)


def emblem(name):
    digest = hashlib.sha256(name.upper().encode('utf-8')).digest()
    dark, light = PALETTE[digest[0] % len(PALETTE)]
    shape = SHAPES[digest[1] % len(SHAPES)]
    stripes = 1 + digest[2] % 3
    rows = [[PAPER] * WIDTH for _ in range(HEIGHT)]
    cx, cy, r = WIDTH / 2, HEIGHT / 2, 33
    for y in range(HEIGHT):
        for x in range(WIDTH):
            px, py = x + 0.5, y + 0.5
            if inside(shape, px, py, cx, cy, r):
                rows[y][x] = dark
                if inside(shape, px, py, cx, cy, r - 4) and not inside(shape, px, py, cx, cy, r - 7):
                    rows[y][x] = light  # an inner rim
                band = int((py - (cy - 12)) // 8)
                if abs(px - cx) < 16 and 0 <= band < 2 * stripes and band % 2 == 0:
                    rows[y][x] = light  # the maker's mark: one to three bars
    return rows


def save(rows, path):
    stride = (WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def folders(path):
    return sorted(n for n in os.listdir(path) if os.path.isdir(os.path.join(path, n))) if os.path.isdir(path) else []


def software_names(folder):
    scan = os.path.join(folder, 'Scan')
    names = []
    for region in folders(scan):
        if region.upper() == 'PRO':
            names += [family.upper() for family in folders(os.path.join(scan, region))]
        else:
            names += folders(os.path.join(scan, region))
    return names


def main(program, *more):
    names = [name for folder in (program,) + more for name in software_names(folder)]
    logos = os.path.join(program, 'LOGO')
    os.makedirs(logos, exist_ok=True)
    for name in names:
        save(emblem(name), os.path.join(logos, name + '.BMP'))


if __name__ == '__main__':
    if len(sys.argv) < 2:
        sys.exit('usage: draw_logos.py <program folder> [<folder holding a "Scan/"> ...]')
    main(*sys.argv[1:])
