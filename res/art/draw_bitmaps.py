#!/usr/bin/env python3
"""Draws the program's bitmaps: every skin, button face and background, at the sizes the program
expects. Run by the build (see res/CMakeLists.txt); writes <id>.bmp files into the given folder.

The look lives here in one place: change a colour or a shape, rebuild, and every screen follows.
Plain Python, no imaging library: 24-bit bottom-up Windows 3.0 BMP files written by hand.
"""
import os
import struct
import sys

# The palette of the program.
NAVY = (28, 52, 96)
STEEL = (62, 92, 140)
SKY = (214, 226, 242)
PAPER = (255, 255, 255)
MIST = (236, 239, 244)
SLATE = (52, 60, 74)
GRAPHITE = (34, 40, 50)
AMBER = (246, 170, 40)
AMBER_DARK = (214, 128, 18)
ASH = (196, 200, 206)
ASH_DARK = (150, 154, 160)
LINE = (120, 130, 146)


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.rows = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        for y in range(max(top, 0), min(bottom, self.height)):
            row = self.rows[y]
            for x in range(max(left, 0), min(right, self.width)):
                row[x] = colour

    def gradient(self, left, top, right, bottom, upper, lower):
        span = max(bottom - top - 1, 1)
        for y in range(max(top, 0), min(bottom, self.height)):
            t = (y - top) / span
            colour = tuple(round(a + (b - a) * t) for a, b in zip(upper, lower))
            self.fill(left, y, right, y + 1, colour)

    def frame(self, left, top, right, bottom, colour, thickness=1):
        for i in range(thickness):
            self.fill(left + i, top + i, right - i, top + i + 1, colour)
            self.fill(left + i, bottom - i - 1, right - i, bottom - i, colour)
            self.fill(left + i, top + i, left + i + 1, bottom - i, colour)
            self.fill(right - i - 1, top + i, right - i, bottom - i, colour)

    def round_corners(self, left, top, right, bottom, radius, outside):
        for dy in range(radius):
            for dx in range(radius):
                if (radius - dx - 0.5) ** 2 + (radius - dy - 0.5) ** 2 > radius ** 2:
                    for x, y in ((left + dx, top + dy), (right - 1 - dx, top + dy),
                                 (left + dx, bottom - 1 - dy), (right - 1 - dx, bottom - 1 - dy)):
                        self.put(x, y, outside)

    def save(self, path):
        stride = (self.width * 3 + 3) & ~3
        pixels = bytearray()
        for row in reversed(self.rows):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            pixels += line + b'\0' * (stride - len(line))
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
        header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
        with open(path, 'wb') as f:
            f.write(header + info + pixels)


# Button faces: one shape, three states.
def button(width, height, state):
    upper, lower, border = {
        'normal': (SKY, (172, 192, 222), STEEL),
        'pressed': (AMBER, AMBER_DARK, (150, 90, 10)),
        'disabled': (ASH, ASH, ASH_DARK),
    }[state]
    c = Canvas(width, height, GRAPHITE)
    c.gradient(0, 0, width, height, upper, lower)
    c.frame(0, 0, width, height, border, 2 if min(width, height) > 40 else 1)
    if state != 'disabled':
        c.fill(3, 2, width - 3, 3, PAPER)  # a thin highlight along the top edge
    c.round_corners(0, 0, width, height, 4, GRAPHITE)
    return c


def soft_row_background(width, height):
    c = Canvas(width, height)
    c.gradient(0, 0, width, height, SLATE, GRAPHITE)
    c.fill(0, 0, width, 1, LINE)
    return c


def question_box_skin(width, height):
    c = Canvas(width, height, PAPER)
    c.gradient(0, 0, width, 24, STEEL, NAVY)           # title band
    c.fill(0, 158, width, height, MIST)                  # the band behind the two answers
    c.fill(0, 157, width, 158, ASH_DARK)
    c.frame(0, 0, width, height, NAVY, 2)
    return c


# Every bitmap of the program: id -> (drawing, width, height).
BITMAPS = {
    304: (question_box_skin, 478, 248),
    320: (lambda w, h: button(w, h, 'normal'), 103, 29),
    321: (soft_row_background, 979, 60),
    407: (lambda w, h: button(w, h, 'normal'), 232, 77),
    408: (lambda w, h: button(w, h, 'pressed'), 232, 77),
    409: (lambda w, h: button(w, h, 'normal'), 103, 29),
    410: (lambda w, h: button(w, h, 'pressed'), 103, 29),
    471: (lambda w, h: button(w, h, 'disabled'), 103, 29),
}


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for number, (draw, width, height) in BITMAPS.items():
        draw(width, height).save(os.path.join(folder, '%d.bmp' % number))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')
