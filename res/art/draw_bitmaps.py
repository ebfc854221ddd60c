#!/usr/bin/env python3
"""Draws the program's bitmaps: every skin, button face and background, at the sizes the program
expects. Run by the build (see res/CMakeLists.txt); writes <id>.bmp files into the given folder.

The look lives here in one place: change a colour or a shape, rebuild, and every screen follows.
Plain Python, no imaging library: 24-bit bottom-up Windows 3.0 BMP files written by hand.
"""
import os
import struct
import sys

from glyphs import coverage

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

    def blend(self, x, y, colour, amount):
        if amount <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        old = self.rows[y][x]
        self.rows[y][x] = tuple(round(a + (b - a) * min(amount, 1.0)) for a, b in zip(old, colour))

    def glyph(self, name, left, top, size, colour, strength=1.0):
        """Paints a pictogram of glyphs.py into the square at (left, top)."""
        for dy, row in enumerate(coverage(name, size)):
            for dx, amount in enumerate(row):
                if amount:
                    self.blend(left + dx, top + dy, colour, amount * strength)

    def save(self, path):
        stride = (self.width * 3 + 3) & ~3
        padding = b'\0' * (stride - self.width * 3)
        pixels = bytearray()
        for row in reversed(self.rows):
            pixels += bytes(channel for r, g, b in row for channel in (b, g, r)) + padding
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


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def grey(colour):
    level = round(0.3 * colour[0] + 0.59 * colour[1] + 0.11 * colour[2])
    return (level, level, level)


# A wordmark in a blocky 5 x 7 letter grid, drawn with square dots.
LETTERS = {
    'N': ['X...X', 'XX..X', 'X.X.X', 'X..XX', 'X...X', 'X...X', 'X...X'],
    'U': ['X...X', 'X...X', 'X...X', 'X...X', 'X...X', 'X...X', '.XXX.'],
    'T': ['XXXXX', '..X..', '..X..', '..X..', '..X..', '..X..', '..X..'],
    'H': ['X...X', 'X...X', 'X...X', 'XXXXX', 'X...X', 'X...X', 'X...X'],
    'A': ['.XXX.', 'X...X', 'X...X', 'XXXXX', 'X...X', 'X...X', 'X...X'],
    'W': ['X...X', 'X...X', 'X...X', 'X.X.X', 'X.X.X', 'XX.XX', 'X...X'],
    'K': ['X...X', 'X..X.', 'X.X..', 'XX...', 'X.X..', 'X..X.', 'X...X'],
    'P': ['XXXX.', 'X...X', 'X...X', 'XXXX.', 'X....', 'X....', 'X....'],
    'D': ['XXXX.', 'X...X', 'X...X', 'X...X', 'X...X', 'X...X', 'XXXX.'],
    'E': ['XXXXX', 'X....', 'X....', 'XXXX.', 'X....', 'X....', 'XXXXX'],
}


def wordmark(c, text, left, top, dot, colour):
    for i, letter in enumerate(text):
        for row, line in enumerate(LETTERS[letter]):
            for col, mark in enumerate(line):
                if mark == 'X':
                    x, y = left + (i * 6 + col) * dot, top + row * dot
                    c.fill(x, y, x + dot, y + dot, colour)


def wing(c, left, top, size, colour):
    """The product's emblem: three swept strokes of a wing."""
    for i in range(3):
        c.fill(left + i * size // 3, top + i * size // 4, left + size, top + i * size // 4 + size // 6, mix(colour, PAPER, i * 0.2))


# The bars. Buttons lie on their bar: around their face they repeat the bar's own rows.
TOP_UPPER, TOP_LOWER, TOP_HEIGHT = (40, 70, 120), (16, 30, 58), 80
BOTTOM_UPPER, BOTTOM_LOWER, BOTTOM_HEIGHT = SLATE, GRAPHITE, 63


def bar_row(upper, lower, height, y):
    return mix(upper, lower, min(max(y, 0), height - 1) / (height - 1))


def top_bar_background(width, height):
    c = Canvas(width, height)
    c.gradient(0, 0, width, height, TOP_UPPER, TOP_LOWER)
    c.fill(0, height - 2, width, height, AMBER_DARK)
    wing(c, 22, 20, 42, AMBER)
    wordmark(c, 'NUTHAWK', 82, 26, 4, PAPER)
    return c


def top_button(glyph, state):
    def draw(width, height):
        c = Canvas(width, height)
        for y in range(height):
            c.fill(0, y, width, y + 1, bar_row(TOP_UPPER, TOP_LOWER, TOP_HEIGHT, y + 9))
        face_upper, face_lower, mark = {
            'normal': (mix(TOP_UPPER, PAPER, 0.18), mix(TOP_LOWER, PAPER, 0.12), PAPER),
            'pressed': (AMBER, AMBER_DARK, NAVY),
        }[state]
        c.gradient(3, 3, width - 3, height - 3, face_upper, face_lower)
        c.frame(3, 3, width - 3, height - 3, mix(face_upper, PAPER, 0.35))
        c.round_corners(3, 3, width - 3, height - 3, 6, bar_row(TOP_UPPER, TOP_LOWER, TOP_HEIGHT, 12))
        size = height - 20
        c.glyph(glyph, (width - size) // 2, 10, size, mark)
        return c
    return draw


def bottom_bar_background(wide):
    def draw(width, height):
        c = Canvas(width, height)
        c.gradient(0, 0, width, height, BOTTOM_UPPER, BOTTOM_LOWER)
        c.fill(0, 0, width, 2, STEEL if wide else LINE)
        c.fill(0, 2, 6, height, AMBER if not wide else STEEL)
        c.fill(176, 10, 178, height - 10, mix(BOTTOM_UPPER, PAPER, 0.2))
        return c
    return draw


def disc(c, upper, lower, inset, rim):
    """A round face filling the canvas but `inset`, shaded top to bottom, with a darker rim `rim`
    wide and a smoothed edge."""
    edge = mix(lower, GRAPHITE, 0.4)
    r = min(c.width, c.height) / 2 - inset
    cx, cy = c.width / 2, c.height / 2
    for y in range(c.height):
        colour = mix(upper, lower, y / max(c.height - 1, 1))
        for x in range(c.width):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if d <= r + 0.5:
                c.blend(x, y, edge if d > r - rim else colour, min(1.0, r + 0.5 - d))


def bottom_button(glyph, state, top, round_face=True):
    def draw(width, height):
        c = Canvas(width, height)
        for y in range(height):
            c.fill(0, y, width, y + 1, bar_row(BOTTOM_UPPER, BOTTOM_LOWER, BOTTOM_HEIGHT, y + top))
        face_upper, face_lower, mark = {
            'normal': (SKY, (160, 182, 216), NAVY),
            'pressed': (AMBER, AMBER_DARK, NAVY),
            'disabled': (ASH_DARK, (120, 124, 130), ASH),
        }[state]
        inset = 2
        if round_face:
            disc(c, face_upper, face_lower, inset, 1.5)
        else:
            c.gradient(inset, inset, width - inset, height - inset, face_upper, face_lower)
            c.frame(inset, inset, width - inset, height - inset, mix(face_lower, GRAPHITE, 0.4))
            c.round_corners(inset, inset, width - inset, height - inset, 4, bar_row(BOTTOM_UPPER, BOTTOM_LOWER, BOTTOM_HEIGHT, top + 3))
        size = min(width, height) * 3 // 5
        c.glyph(glyph, (width - size) // 2, (height - size) // 2, size, mark)
        return c
    return draw


def middle_left_background(width, height):
    c = Canvas(width, height, MIST)
    for x in range(width):
        c.fill(x, 0, x + 1, height, mix(MIST, (214, 222, 234), x / (width - 1)))
    c.fill(width - 1, 0, width, height, ASH_DARK)
    return c


def middle_left_item(pressed):
    def draw(width, height):
        c = Canvas(width, height)
        if pressed:
            c.gradient(0, 0, width, height, (255, 222, 160), AMBER)
            c.fill(0, 0, 6, height, NAVY)
        else:
            c.gradient(0, 0, width, height, PAPER, MIST)
            c.fill(0, 0, 6, height, SKY)
        c.fill(0, height - 1, width, height, ASH)
        c.fill(width - 1, 0, width, height, ASH_DARK)
        return c
    return draw


def logo_frame(width, height):
    c = Canvas(width, height, MIST)
    c.fill(2, 2, width, height, ASH)  # a soft shadow
    c.fill(0, 0, width - 2, height - 2, PAPER)
    c.frame(0, 0, width - 2, height - 2, STEEL, 2)
    c.round_corners(0, 0, width - 2, height - 2, 5, MIST)
    return c


def guide_background(width, height):
    c = Canvas(width, height)
    c.gradient(0, 0, width, height, (238, 236, 240), (216, 214, 220))
    c.fill(0, height - 1, width, height, ASH_DARK)
    return c


def title_background(width, height):
    c = Canvas(width, height, PAPER)
    for x in range(width):
        c.fill(x, 0, x + 1, height - 2, mix(SKY, PAPER, x / (width - 1)))
    c.fill(0, 0, 8, height, STEEL)
    for x in range(width):
        c.fill(x, height - 2, x + 1, height, mix(STEEL, PAPER, x / (width - 1)))
    return c


def help_icon(width, height):
    c = Canvas(width, height, PAPER)
    c.glyph('help', 18, 8, 56, STEEL)
    return c


def line_bar(top_edge):
    def draw(width, height):
        c = Canvas(width, height)
        for y in range(height):
            t = y / (height - 1)
            c.fill(0, y, width, y + 1, mix(STEEL, SKY, t if top_edge else 1 - t))
        return c
    return draw


def column_bar(left_edge):
    def draw(width, height):
        c = Canvas(width, height)
        for x in range(width):
            t = x / (width - 1)
            c.fill(x, 0, x + 1, height, mix(STEEL, SKY, t if left_edge else 1 - t))
        return c
    return draw


def choice_cell(latched):
    """A choice of the settings pages (and a cell of the information page): white with a thin frame;
    the chosen one on a soft sky face with an amber mark at its left edge."""
    def draw(width, height):
        c = Canvas(width, height, PAPER)
        if latched:
            c.gradient(1, 1, width - 1, height - 1, SKY, (190, 208, 234))
            c.fill(1, 1, 7, height - 1, AMBER)
        c.frame(0, 0, width, height, STEEL if latched else ASH, 1)
        return c
    return draw


# The software tiles: the select box in its four looks, the action buttons and the badge (the mark
# is the icon grid's).
def select_box(look):
    def draw(width, height):
        c = Canvas(width, height, PAPER)
        frame = {'off': STEEL, 'on': STEEL, 'inactive': ASH, 'locked': ASH_DARK}[look]
        c.fill(2, 2, width - 2, height - 2, MIST if look in ('inactive', 'locked') else PAPER)
        c.frame(2, 2, width - 2, height - 2, frame, 2)
        if look == 'on':
            c.glyph('accept', 4, 4, width - 8, AMBER_DARK)
        elif look == 'locked':
            c.fill(width // 2 - 6, height // 2 - 2, width // 2 + 6, height // 2 + 8, ASH_DARK)
            c.frame(width // 2 - 4, height // 2 - 9, width // 2 + 4, height // 2 - 1, ASH_DARK, 2)
        return c
    return draw


def tile_action(glyph, enabled):
    def draw(width, height):
        c = Canvas(width, height, PAPER)
        face, edge = (SKY, STEEL) if enabled else (MIST, ASH)
        c.gradient(0, 0, width, height, PAPER, face)
        c.frame(0, 0, width, height, edge, 2)
        c.round_corners(0, 0, width, height, 6, PAPER)
        c.glyph(glyph, (width - height + 8) // 2, 4, height - 8, NAVY if enabled else ASH_DARK)
        return c
    return draw


def tile_badge(width, height):
    c = Canvas(width, height, PAPER)
    c.fill(0, 0, width, height, AMBER)
    c.round_corners(0, 0, width, height, 6, PAPER)
    c.glyph('bell', (width - height + 4) // 2, 2, height - 4, PAPER)
    return c


def setup_edge(width, height):
    c = Canvas(width, height)
    for x in range(width):
        c.fill(x, 0, x + 1, height, mix(SKY, STEEL, x / (width - 1)))
    return c


# The strip under an embedded document that holds its page number: its height keeps the number
# inside the document host.
def page_bar(width, height):
    c = Canvas(width, height)
    c.fill(0, 0, width, height, PAPER)
    return c


# The home page: tiles on black, each in its own colour with its pictogram; the disabled face is
# the same tile in grey.
def home_banner(width, height):
    c = Canvas(width, height, (0, 0, 0))
    c.gradient(0, 0, width, height, (44, 78, 136), (18, 34, 68))
    c.fill(0, height - 4, width, height, AMBER)
    c.round_corners(0, 0, width, height, 8, (0, 0, 0))
    wing(c, 24, 16, 40, AMBER)
    wordmark(c, 'NUTHAWK', 84, 20, 5, PAPER)
    for i in range(6):  # a fading trail of the emblem towards the right end
        wing(c, width - 90 - i * 70, 16, 40, mix((30, 54, 100), SKY, 0.3 - i * 0.04))
    return c


def home_tile(colour, glyph, disabled, centred=False):
    def draw(width, height):
        upper = mix(colour, PAPER, 0.18)
        lower = mix(colour, (0, 0, 0), 0.25)
        if disabled:
            upper, lower = mix(grey(upper), (0, 0, 0), 0.35), mix(grey(lower), (0, 0, 0), 0.45)
        c = Canvas(width, height)
        c.gradient(0, 0, width, height, upper, lower)
        c.fill(0, 0, width, 2, mix(upper, PAPER, 0.4))
        c.round_corners(0, 0, width, height, 8, (0, 0, 0))
        strength = 0.45 if disabled else 0.95
        if centred:
            size = min(height // 3, 130)
            c.glyph(glyph, (width - size) // 2, height // 2 - size - 24, size, PAPER, strength)
        else:
            size = min(height - 44, width // 2, 96)
            c.glyph(glyph, width - size - 12, 10, size, PAPER, strength)
        return c
    return draw


BOTTOM_BUTTONS = {
    # id of the normal face: (pictogram, size, top on the bar, round face); the pressed and disabled
    # faces follow in BOTTOM_FACES.
    'accept': ((50, 50), 7), 'back': ((50, 50), 7), 'page_up': ((50, 50), 7), 'page_down': ((50, 50), 7),
    'print': ((38, 30), 11), 'preview': ((37, 36), 7), 'camera': ((38, 30), 11),
    'power': ((38, 38), 10), 'info': ((38, 38), 10), 'record': ((38, 38), 10), 'stop': ((38, 38), 10),
    'download': ((31, 31), 16), 'select_all': ((31, 31), 16), 'list': ((31, 31), 16),
    'delete': ((31, 31), 16), 'pause': ((31, 31), 16), 'resume': ((31, 31), 16),
}

# Bitmap id -> (pictogram, state) of the bottom bar's buttons.
BOTTOM_FACES = {
    360: ('accept', 'normal'), 379: ('accept', 'pressed'), 427: ('accept', 'disabled'),
    356: ('back', 'normal'), 378: ('back', 'pressed'), 426: ('back', 'disabled'),
    419: ('print', 'normal'), 420: ('print', 'pressed'), 421: ('print', 'disabled'),
    361: ('preview', 'normal'), 380: ('preview', 'pressed'),
    363: ('camera', 'normal'), 381: ('camera', 'pressed'), 428: ('camera', 'disabled'),
    393: ('page_up', 'normal'), 394: ('page_up', 'pressed'), 412: ('page_up', 'disabled'),
    395: ('page_down', 'normal'), 396: ('page_down', 'pressed'), 411: ('page_down', 'disabled'),
    422: ('power', 'normal'), 423: ('power', 'pressed'),
    424: ('info', 'normal'), 425: ('info', 'pressed'),
    433: ('record', 'normal'), 432: ('record', 'pressed'),
    431: ('stop', 'normal'), 430: ('stop', 'pressed'),
    447: ('download', 'normal'), 448: ('download', 'pressed'), 486: ('download', 'disabled'),
    443: ('select_all', 'normal'), 285: ('select_all', 'pressed'), 245: ('select_all', 'disabled'),
    439: ('list', 'normal'), 440: ('list', 'pressed'),
    441: ('delete', 'normal'), 442: ('delete', 'pressed'),
    467: ('pause', 'normal'), 468: ('pause', 'pressed'),
    469: ('resume', 'normal'), 470: ('resume', 'pressed'),
}

# Bitmap id -> (pictogram, state, wide) of the top bar's buttons.
TOP_FACES = {
    352: ('flag', 'normal'), 374: ('flag', 'pressed'),
    351: ('car', 'normal'), 373: ('car', 'pressed'),
    451: ('wrench', 'normal'), 452: ('wrench', 'pressed'),
    343: ('book', 'normal'), 367: ('book', 'pressed'),
    347: ('cart', 'normal'), 370: ('cart', 'pressed'),
    353: ('magnifier', 'normal'), 3750: ('magnifier', 'pressed'),
    348: ('globe', 'normal'), 371: ('globe', 'pressed'),
    345: ('film', 'normal'), 369: ('film', 'pressed'),
    350: ('bell', 'normal'), 372: ('bell', 'pressed'),
    344: ('bubble', 'normal'), 368: ('bubble', 'pressed'),
    349: ('gear', 'normal'), 366: ('gear', 'pressed'),
}
TOP_WIDE_FACES = {
    437: ('cart', 'normal'), 438: ('cart', 'pressed'),
    435: ('box', 'normal'), 436: ('box', 'pressed'),
}

# The home page's tiles: normal id, disabled id, size, colour, pictogram. The sizes make a mosaic
# of the page's fixed places (HomeTiles.cpp) without overlaps.
HOME_TILES = [
    (338, 455, (474, 338), (52, 98, 168), 'wrench', True),
    (339, 460, (474, 160), (28, 128, 128), 'car', False),
    (341, 458, (238, 107), (112, 72, 160), 'magnifier', False),
    (342, 466, (156, 107), (110, 130, 52), 'flag', False),
    (335, 456, (238, 108), (176, 58, 58), 'film', False),
    (337, 465, (156, 160), (30, 140, 180), 'globe', False),
    (334, 457, (156, 107), (40, 140, 80), 'bubble', False),
    (331, 463, (156, 160), (84, 96, 118), 'gear', False),
    (336, 464, (234, 107), (214, 120, 24), 'cart', False),
    (340, 461, (234, 108), (140, 92, 52), 'bell', False),
    (332, 462, (152, 107), (70, 70, 150), 'book', False),
    (330, 459, (152, 160), (170, 30, 50), 'power', False),
]


def bar_bitmaps():
    table = {
        214: (title_background, 466, 26),
        216: (guide_background, 64, 24),
        326: (help_icon, 91, 77),
        333: (home_banner, 962, 72),
        346: (top_bar_background, 1024, TOP_HEIGHT),
        355: (bottom_bar_background(False), 1024, BOTTOM_HEIGHT),
        434: (bottom_bar_background(True), 1024, BOTTOM_HEIGHT),
        389: (middle_left_item(False), 150, 56),
        390: (middle_left_item(True), 150, 56),
        400: (middle_left_background, 150, 64),
        413: (logo_frame, 130, 100),
        415: (line_bar(True), 20, 4),
        416: (line_bar(False), 20, 4),
        417: (column_bar(True), 4, 20),
        418: (column_bar(False), 4, 20),
        472: (setup_edge, 8, 64),
        475: (page_bar, 882, 30),
        383: (choice_cell(False), 299, 63),
        384: (choice_cell(True), 299, 63),
        479: (select_box('off'), 32, 32),
        480: (select_box('on'), 32, 32),
        482: (select_box('inactive'), 32, 32),
        487: (select_box('locked'), 32, 32),
        477: (tile_action('download', True), 72, 44),
        484: (tile_action('download', False), 72, 44),
        478: (tile_action('delete', True), 72, 44),
        449: (tile_badge, 44, 24),
    }
    for number, (glyph, state) in BOTTOM_FACES.items():
        (width, height), top = BOTTOM_BUTTONS[glyph]
        table[number] = (bottom_button(glyph, state, top, width == height), width, height)
    for number, (glyph, state) in TOP_FACES.items():
        table[number] = (top_button(glyph, state), 67, 62)
    for number, (glyph, state) in TOP_WIDE_FACES.items():
        table[number] = (top_button(glyph, state), 130, 62)
    for normal, disabled, (width, height), colour, glyph, centred in HOME_TILES:
        table[normal] = (home_tile(colour, glyph, False, centred), width, height)
        table[disabled] = (home_tile(colour, glyph, True, centred), width, height)
    return table


# The icon grids of the choosers: a quiet frame around each icon, a warm one around the chosen.
def grid_item_frame(width, height):
    c = Canvas(width, height, PAPER)
    c.fill(3, 3, width - 1, height - 1, ASH)           # a soft shadow to the lower right
    c.fill(1, 1, width - 3, height - 3, MIST)
    c.frame(1, 1, width - 3, height - 3, ASH_DARK)
    c.fill(4, 4, width - 6, height - 6, PAPER)
    c.round_corners(1, 1, width - 3, height - 3, 3, PAPER)
    return c


def grid_selection_frame(width, height):
    c = Canvas(width, height, PAPER)
    c.frame(0, 0, width, height, AMBER_DARK, 2)
    c.frame(2, 2, width - 2, height - 2, AMBER, 3)
    c.round_corners(0, 0, width, height, 5, PAPER)
    return c


def grid_mark(width, height):
    c = Canvas(width, height, PAPER)
    radius = min(width, height) / 2 - 1
    for y in range(height):
        for x in range(width):
            if (x + 0.5 - width / 2) ** 2 + (y + 0.5 - height / 2) ** 2 <= radius ** 2:
                c.put(x, y, AMBER)
    return c


# The left guide bar's Update button: one strip of four 131 x 60 frames (normal, focused,
# selected, disabled), the download arrow beside the word.
def update_strip(width, height):
    c = Canvas(width, height, MIST)
    frame = width // 4
    looks = [(PAPER, SKY, NAVY, STEEL), (PAPER, SKY, NAVY, AMBER), (AMBER, AMBER_DARK, NAVY, (150, 90, 10)),
             (MIST, ASH, ASH_DARK, ASH)]
    for i, (upper, lower, mark, edge) in enumerate(looks):
        left = i * frame
        c.gradient(left + 2, 2, left + frame - 2, height - 2, upper, lower)
        c.frame(left + 2, 2, left + frame - 2, height - 2, edge, 2)
        c.round_corners(left + 2, 2, left + frame - 2, height - 2, 6, MIST)
        c.glyph('download', left + 10, (height - 36) // 2, 36, mark)
        wordmark(c, 'UPDATE', left + 52, (height - 14) // 2, 2, mark)
    return c


# The update page's picture above its framed description: the download arrow on the navy badge.
def update_picture(width, height):
    c = Canvas(width, height, PAPER)
    c.gradient(0, 0, width, height, STEEL, NAVY)
    c.round_corners(0, 0, width, height, 8, PAPER)
    c.glyph('download', 6, 8, height - 16, PAPER)
    wordmark(c, 'UPDATE', height - 8, (height - 14) // 2, 2, AMBER)
    return c


# The replay player's buttons: round faces on the player's white page, each with its pictogram.
def player_button(glyph, pressed):
    def draw(width, height):
        c = Canvas(width, height, PAPER)
        upper, lower, mark = (AMBER, AMBER_DARK, NAVY) if pressed else (SKY, (160, 182, 216), NAVY)
        disc(c, upper, lower, 1, 2.5)
        size = min(width, height) // 2
        c.glyph(glyph, (width - size) // 2, (height - size) // 2, size, mark)
        return c
    return draw


PLAYER_BUTTON = 72  # the player places all three buttons by the size of the centre one

# Every bitmap of the program: id -> (drawing, width, height).
BITMAPS = {
    304: (question_box_skin, 478, 248),
    320: (lambda w, h: button(w, h, 'normal'), 103, 29),
    321: (soft_row_background, 979, 60),
    397: (grid_item_frame, 125, 116),
    398: (grid_selection_frame, 131, 124),
    399: (grid_mark, 33, 33),
    407: (lambda w, h: button(w, h, 'normal'), 232, 77),
    408: (lambda w, h: button(w, h, 'pressed'), 232, 77),
    409: (lambda w, h: button(w, h, 'normal'), 103, 29),
    410: (lambda w, h: button(w, h, 'pressed'), 103, 29),
    471: (lambda w, h: button(w, h, 'disabled'), 103, 29),
    490: (update_picture, 108, 44),
    3751: (update_strip, 524, 60),
    496: (player_button('replay', False), PLAYER_BUTTON, PLAYER_BUTTON),
    497: (player_button('step_next', False), PLAYER_BUTTON, PLAYER_BUTTON),
    498: (player_button('step_next', True), PLAYER_BUTTON, PLAYER_BUTTON),
    499: (player_button('step_previous', False), PLAYER_BUTTON, PLAYER_BUTTON),
    500: (player_button('step_previous', True), PLAYER_BUTTON, PLAYER_BUTTON),
}
BITMAPS.update(bar_bitmaps())


# The banner of a printed report: light, so it prints well on paper; the Chinese one carries a
# red band instead of the amber one.
def report_banner(band):
    def draw(width, height):
        c = Canvas(width, height, PAPER)
        c.gradient(0, 0, width, height - 24, SKY, PAPER)
        c.fill(0, height - 24, width, height - 12, band)
        wing(c, 40, 50, 110, NAVY)
        wordmark(c, 'NUTHAWK', 180, 70, 12, NAVY)
        return c
    return draw


BITMAPS.update({308: (report_banner((200, 40, 40)), 995, 224), 309: (report_banner(AMBER), 995, 224)})


# The start splash: the emblem and the word mark over a night-blue sky, a faint road of lights
# along the bottom where the five progress marks walk (the marks are windows of their own, placed
# at 343 + 46 i, 446 from the picture's corner).
def splash(width, height):
    c = Canvas(width, height, NAVY)
    c.gradient(0, 0, width, height, (40, 70, 120), (10, 20, 40))
    wing(c, 150, 150, 150, AMBER)
    wordmark(c, 'NUTHAWK', 340, 170, 12, PAPER)
    c.fill(340, 270, 340 + 7 * 6 * 12 - 12, 274, AMBER)
    for i in range(5):
        x = 343 + 46 * i
        c.frame(x - 3, 443, x + 22, 468, mix((10, 20, 40), STEEL, 0.5))
    return c


def progress_mark(lit):
    def draw(width, height):
        c = Canvas(width, height, (12, 22, 44))
        centre, radius = (width - 1) / 2, width / 2 - 1.5
        face = AMBER if lit else (70, 84, 110)
        for y in range(height):
            for x in range(width):
                distance = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
                if distance <= radius:
                    c.put(x, y, mix(face, PAPER, 0.35 * max(0.0, 1 - distance / radius)) if lit else face)
                elif distance <= radius + 1:
                    c.blend(x, y, face, radius + 1 - distance)
        return c
    return draw


BITMAPS.update({205: (splash, 900, 500), 323: (progress_mark(False), 19, 19), 324: (progress_mark(True), 19, 19)})


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for number, (draw, width, height) in BITMAPS.items():
        draw(width, height).save(os.path.join(folder, '%d.bmp' % number))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')
