#!/usr/bin/env python3
"""Draws the program icon (res/Display.ico): a dial on a dark-blue tile, 32x32 and 16x16."""
import math
import struct
import sys


def pixel(size, x, y):
    c = (size - 1) / 2.0
    dx, dy = x - c, y - c
    r = math.hypot(dx, dy)
    edge = size * 0.47
    if max(abs(dx), abs(dy)) > edge:
        return (0, 0, 0, 0)
    tile = (40, 70, 140, 255)
    if abs(r - size * 0.34) < size * 0.05 and dy < size * 0.12:
        return (255, 255, 255, 255)  # the dial's arc
    angle = math.radians(-50)
    nx, ny = math.cos(angle), math.sin(angle)
    along = dx * nx + dy * ny
    across = abs(-dx * ny + dy * nx)
    if 0 <= along < size * 0.32 and across < size * 0.05:
        return (250, 180, 40, 255)  # the needle
    if r < size * 0.07:
        return (250, 180, 40, 255)
    return tile


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        for x in range(size):
            r, g, b, a = pixel(size, x, y)
            rows.append(struct.pack('<BBBB', b, g, r, a))
    xor = b''.join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b'\0' * (mask_row * size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    images = [image(32), image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'Display.ico')
