"""The pictograms of the program's buttons and tiles, as simple shapes on a 100 x 100 grid, and a
small rasteriser that turns a glyph into coverage values (0..1 per pixel, edges smoothed by sampling
each pixel 3 x 3 times). Plain Python; draw_bitmaps.py blends the coverage into its pictures.

A glyph is a list of (operation, shape) pairs: 'add' paints the shape, 'cut' clears it again, in
order, so a ring can be a disc with a smaller disc cut out.
"""
import math

SAMPLES = 3


# Shapes: each answers whether a point of the 100 x 100 grid lies inside, and its bounding box.
class Disc:
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def box(self):
        return self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r

    def inside(self, x, y):
        return (x - self.cx) ** 2 + (y - self.cy) ** 2 <= self.r ** 2


class Ring:
    """A circle's outline `w` wide; with `start` and `end` (degrees, clockwise from 3 o'clock) only
    that arc."""

    def __init__(self, cx, cy, r, w, start=None, end=None):
        self.cx, self.cy, self.r, self.w = cx, cy, r, w
        self.start, self.end = start, end

    def box(self):
        reach = self.r + self.w / 2
        return self.cx - reach, self.cy - reach, self.cx + reach, self.cy + reach

    def inside(self, x, y):
        d = math.hypot(x - self.cx, y - self.cy)
        if abs(d - self.r) > self.w / 2:
            return False
        if self.start is None:
            return True
        angle = math.degrees(math.atan2(y - self.cy, x - self.cx)) % 360
        start, end = self.start % 360, self.end % 360
        return start <= angle <= end if start <= end else angle >= start or angle <= end


class Box:
    def __init__(self, x0, y0, x1, y1, radius=0):
        self.x0, self.y0, self.x1, self.y1, self.radius = x0, y0, x1, y1, radius

    def box(self):
        return self.x0, self.y0, self.x1, self.y1

    def inside(self, x, y):
        if not (self.x0 <= x <= self.x1 and self.y0 <= y <= self.y1):
            return False
        r = self.radius
        dx = max(self.x0 + r - x, 0, x - (self.x1 - r))
        dy = max(self.y0 + r - y, 0, y - (self.y1 - r))
        return dx * dx + dy * dy <= r * r


class Stroke:
    """A straight line `w` wide with round ends."""

    def __init__(self, x0, y0, x1, y1, w):
        self.x0, self.y0, self.x1, self.y1, self.w = x0, y0, x1, y1, w

    def box(self):
        h = self.w / 2
        return min(self.x0, self.x1) - h, min(self.y0, self.y1) - h, max(self.x0, self.x1) + h, max(self.y0, self.y1) + h

    def inside(self, x, y):
        dx, dy = self.x1 - self.x0, self.y1 - self.y0
        length = dx * dx + dy * dy
        t = 0 if length == 0 else max(0, min(1, ((x - self.x0) * dx + (y - self.y0) * dy) / length))
        px, py = self.x0 + t * dx, self.y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= (self.w / 2) ** 2


class Polygon:
    def __init__(self, *points):
        self.points = points

    def box(self):
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        return min(xs), min(ys), max(xs), max(ys)

    def inside(self, x, y):
        result = False
        n = len(self.points)
        for i in range(n):
            (x0, y0), (x1, y1) = self.points[i], self.points[(i + 1) % n]
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                result = not result
        return result


def polyline(points, w):
    """A bent line of strokes."""
    return [('add', Stroke(a[0], a[1], b[0], b[1], w)) for a, b in zip(points, points[1:])]


def gear(cx, cy, r, teeth, hole):
    shapes = [('add', Disc(cx, cy, r * 0.78))]
    for i in range(teeth):
        a = 2 * math.pi * i / teeth
        shapes.append(('add', Stroke(cx, cy, cx + r * math.cos(a), cy + r * math.sin(a), r * 0.34)))
    shapes.append(('cut', Disc(cx, cy, hole)))
    return shapes


# The pictograms, by name.
GLYPHS = {
    'back': [('add', Polygon((14, 50), (44, 22), (44, 40), (70, 40), (70, 60), (44, 60), (44, 78)))]
            + [('add', Ring(62, 62, 22, 14, 270, 90))],
    'accept': polyline([(18, 52), (40, 74), (84, 28)], 14),
    'page_up': [('add', Polygon((50, 18), (84, 58), (62, 58), (62, 82), (38, 82), (38, 58), (16, 58)))],
    'page_down': [('add', Polygon((50, 82), (84, 42), (62, 42), (62, 18), (38, 18), (38, 42), (16, 42)))],
    'print': [('add', Box(28, 14, 72, 40)), ('add', Box(12, 36, 88, 70, 6)), ('cut', Box(28, 56, 72, 90)),
              ('add', Box(32, 60, 68, 88)), ('cut', Box(37, 66, 63, 70)), ('cut', Box(37, 75, 63, 79))],
    'preview': [('add', Box(20, 10, 66, 90, 4)), ('cut', Box(27, 17, 59, 83)), ('add', Box(32, 24, 54, 29)),
                ('add', Box(32, 36, 54, 41)), ('add', Ring(64, 62, 14, 7)), ('add', Stroke(74, 72, 88, 86, 8))],
    'camera': [('add', Box(10, 30, 90, 84, 8)), ('add', Box(34, 18, 66, 34, 4)), ('cut', Disc(50, 57, 19)),
               ('add', Disc(50, 57, 11))],
    'power': [('add', Ring(50, 54, 30, 11, 300, 240)), ('add', Stroke(50, 12, 50, 50, 11))],
    'info': [('add', Ring(50, 50, 38, 9)), ('add', Disc(50, 30, 6)), ('add', Stroke(50, 44, 50, 72, 11))],
    'record': [('add', Ring(50, 50, 38, 8)), ('add', Disc(50, 50, 22))],
    'stop': [('add', Ring(50, 50, 38, 8)), ('add', Box(33, 33, 67, 67, 3))],
    'download': [('add', Polygon((50, 70), (80, 40), (62, 40), (62, 12), (38, 12), (38, 40), (20, 40))),
                 ('add', Box(14, 78, 86, 88, 3))],
    'select_all': [('add', Box(12, 12, 88, 88, 8)), ('cut', Box(22, 22, 78, 78, 4))]
                  + polyline([(30, 50), (45, 65), (72, 36)], 11),
    'list': [('add', Disc(20, 26, 7)), ('add', Disc(20, 50, 7)), ('add', Disc(20, 74, 7)),
             ('add', Box(34, 21, 88, 31, 4)), ('add', Box(34, 45, 88, 55, 4)), ('add', Box(34, 69, 88, 79, 4))],
    'delete': [('add', Box(16, 20, 84, 30, 3)), ('add', Box(38, 10, 62, 22, 3)),
               ('add', Polygon((22, 34), (78, 34), (72, 90), (28, 90))), ('cut', Box(36, 42, 42, 82)),
               ('cut', Box(58, 42, 64, 82))],
    'pause': [('add', Box(24, 16, 42, 84, 4)), ('add', Box(58, 16, 76, 84, 4))],
    'resume': [('add', Polygon((26, 14), (84, 50), (26, 86)))],
    'flag': [('add', Stroke(24, 12, 24, 90, 9)), ('add', Polygon((28, 14), (82, 26), (28, 50))),
             ('add', Box(12, 84, 52, 92, 3))],
    'car': [('add', Polygon((8, 64), (12, 46), (28, 42), (40, 26), (68, 26), (80, 42), (92, 48), (92, 64))),
            ('cut', Polygon((34, 40), (43, 31), (53, 31), (53, 40))),
            ('cut', Polygon((58, 40), (58, 31), (66, 31), (74, 40))),
            ('cut', Disc(28, 66, 13)), ('cut', Disc(72, 66, 13)), ('add', Disc(28, 66, 9)), ('add', Disc(72, 66, 9))],
    'wrench': [('add', Stroke(26, 74, 60, 40, 14)), ('add', Disc(66, 34, 20)),
               ('cut', Polygon((61, 29), (71, 39), (92, 18), (82, 8))), ('cut', Disc(66, 34, 7)),
               ('add', Disc(24, 76, 11)), ('cut', Disc(24, 76, 4))],
    'cart': [('add', Polygon((8, 18), (22, 18), (30, 60), (78, 60), (88, 30), (26, 30), (24, 22))),
             ('cut', Polygon((32, 36), (80, 36), (74, 54), (36, 54))), ('add', Box(30, 40, 78, 50)),
             ('add', Box(28, 64, 80, 70, 3)), ('add', Disc(36, 80, 8)), ('add', Disc(72, 80, 8))],
    'box': [('add', Polygon((50, 10), (88, 28), (88, 72), (50, 90), (12, 72), (12, 28))),
            ('cut', Polygon((50, 18), (80, 32), (50, 46), (20, 32))),
            ('cut', Stroke(50, 52, 50, 86, 4)), ('cut', Stroke(16, 34, 50, 52, 4)), ('cut', Stroke(84, 34, 50, 52, 4))],
    'book': [('add', Polygon((10, 22), (46, 16), (50, 20), (54, 16), (90, 22), (90, 82), (54, 78), (50, 84),
                             (46, 78), (10, 82))),
             ('cut', Polygon((18, 28), (44, 24), (44, 70), (18, 74))), ('cut', Polygon((56, 24), (82, 28), (82, 74), (56, 70)))],
    'magnifier': [('add', Ring(42, 42, 26, 10)), ('add', Stroke(60, 60, 86, 86, 14))],
    'globe': [('add', Ring(50, 50, 38, 7)), ('add', Ring(50, 50, 38, 6)), ('add', Stroke(12, 50, 88, 50, 6)),
              ('add', Stroke(50, 12, 50, 88, 6)), ('add', Ring(50, 50, 20, 6, 270, 90)),
              ('add', Ring(50, 50, 20, 6, 90, 270)), ('add', Stroke(18, 30, 82, 30, 5)), ('add', Stroke(18, 70, 82, 70, 5))],
    'bell': [('add', Polygon((50, 12), (70, 22), (74, 58), (86, 72), (14, 72), (26, 58), (30, 22))),
             ('add', Disc(50, 80, 9)), ('add', Disc(50, 12, 6))],
    'bubble': [('add', Box(8, 12, 92, 70, 14)), ('add', Polygon((24, 64), (44, 64), (20, 90))),
               ('cut', Box(20, 26, 80, 32, 3)), ('cut', Box(20, 40, 80, 46, 3)), ('cut', Box(20, 54, 60, 60, 3))],
    'gear': gear(50, 50, 40, 8, 13),
    'film': [('add', Box(14, 16, 86, 84, 6)), ('cut', Box(30, 24, 70, 76)), ('add', Disc(50, 50, 14))]
            + [('cut', Box(18, y, 26, y + 8)) for y in (22, 38, 54, 70)]
            + [('cut', Box(74, y, 82, y + 8)) for y in (22, 38, 54, 70)],
    # The replay player: step to the next or the previous recording, play the same one again.
    'step_next': [('add', Polygon((22, 18), (68, 50), (22, 82))), ('add', Box(70, 18, 82, 82, 3))],
    'step_previous': [('add', Polygon((78, 18), (32, 50), (78, 82))), ('add', Box(18, 18, 30, 82, 3))],
    'replay': [('add', Ring(50, 54, 30, 11, 330, 270)), ('add', Polygon((44, 8), (70, 24), (44, 40)))],
    'help': [('add', Disc(50, 50, 40)), ('cut', Disc(50, 50, 32)), ('add', Ring(50, 40, 14, 10, 180, 90)),
             ('add', Stroke(60, 50, 50, 58, 10)), ('add', Disc(50, 72, 6))],
}


def coverage(name, size):
    """The glyph drawn into a square of `size` pixels: a list of rows of values 0..1."""
    shapes = GLYPHS[name]
    grid = [[0.0] * size for _ in range(size)]
    scale = 100.0 / size
    offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    for operation, shape in shapes:
        x0, y0, x1, y1 = shape.box()
        left, top = max(int(x0 / scale) - 1, 0), max(int(y0 / scale) - 1, 0)
        right, bottom = min(int(x1 / scale) + 2, size), min(int(y1 / scale) + 2, size)
        for py in range(top, bottom):
            row = grid[py]
            for px in range(left, right):
                hits = 0
                for oy in offsets:
                    for ox in offsets:
                        if shape.inside((px + ox) * scale, (py + oy) * scale):
                            hits += 1
                if not hits:
                    continue
                amount = hits / (SAMPLES * SAMPLES)
                if operation == 'add':
                    row[px] = row[px] + amount * (1 - row[px])
                else:
                    row[px] = row[px] * (1 - amount)
    return grid
