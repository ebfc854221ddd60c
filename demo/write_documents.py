#!/usr/bin/env python3
"""Writes the documents and pictures of the demo installation into a program folder:

    demo/write_documents.py <program folder>

- the user manuals, one small PDF per topic: "MANUAL/<TOPIC>/<Topic>.pdf";
- the document library, by region: "Scan/<REGION>/<PRODUCT>/<LANG>/<PRODUCT>_<LANG>.pdf", for the
  vehicle-software families in "Scan/PRO/" and for a few makers in the library's own regions;
- the drawings the stand-in diagnostic program shows on its picture screen, in every version folder
  (the folders holding "MAKER.exe"): "PICTURE/ABS_SENSORS.BMP" and "PICTURE/ABS_CONNECTOR.BMP".

Everything is invented and drawn here. Plain Python: PDF 1.4 with one Helvetica page per document,
24-bit bottom-up BMP files written by hand.
"""
import os
import struct
import sys

MANUALS = [
    ('SETTINGS', 'Settings', ['Settings', 'Language, units, window size and the run mode.',
                              'Demo Mode runs every diagnosis without the vehicle interface.']),
    ('ONLINE_STORE', 'Online_store', ['Online store', 'Buying and installing vehicle software.',
                                      'Installed software is listed under Installed software.']),
    ('DTC_QUERY', 'DTC_query', ['Trouble code query', 'Looking up a trouble code by its number.',
                                'Enter the five characters of the code, e.g. P0100.']),
]

# Library documents of makers outside the families: region folder, product folder, what it covers.
LIBRARY_MAKERS = [
    ('EUROPE', 'TESSALINE', 'Tessaline passenger cars and light vans'),
    ('EUROPE', 'BRANNOC', 'Brannoc saloons, estates and sports cars'),
    ('ASIA', 'ORVIMO', 'Orvimo compact cars and hybrid drives'),
]


def pdf_text(text):
    return text.replace('\\', '\\\\').replace('(', '\\(').replace(')', '\\)')


def pdf_bytes(lines):
    """One A4 page with a title line and the lines below it."""
    content = ['BT', '/F1 22 Tf', '60 760 Td', '(%s) Tj' % pdf_text(lines[0]), '/F1 12 Tf', '0 -36 Td']
    for line in lines[1:]:
        content += ['(%s) Tj' % pdf_text(line), '0 -18 Td']
    content.append('ET')
    stream = '\n'.join(content).encode('latin-1')
    objects = [
        b'<< /Type /Catalog /Pages 2 0 R >>',
        b'<< /Type /Pages /Kids [3 0 R] /Count 1 >>',
        b'<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R '
        b'/Resources << /Font << /F1 5 0 R >> >> >>',
        b'<< /Length %d >>\nstream\n' % len(stream) + stream + b'\nendstream',
        b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>',
    ]
    out = bytearray(b'%PDF-1.4\n')
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b'%d 0 obj\n' % number + body + b'\nendobj\n'
    xref = len(out)
    out += b'xref\n0 %d\n0000000000 65535 f \n' % (len(objects) + 1)
    for offset in offsets:
        out += b'%010d 00000 n \n' % offset
    out += b'trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n' % (len(objects) + 1, xref)
    return bytes(out)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as out:
        out.write(data)


def library_document(folder, product, language, covers):
    title = '%s diagnostic coverage' % product.capitalize()
    lines = [title, covers + '.', 'Systems: engine, transmission, brakes, airbag, body.',
             'Functions: trouble codes, live data, actuator tests, special functions.']
    write(os.path.join(folder, language, '%s_%s.pdf' % (product, language)), pdf_bytes(lines))


def write_documents(program):
    for topic, name, lines in MANUALS:
        write(os.path.join(program, 'MANUAL', topic, name + '.pdf'), pdf_bytes(lines))
    scan = os.path.join(program, 'Scan')
    families = os.path.join(scan, 'PRO')
    for family in sorted(os.listdir(families)) if os.path.isdir(families) else []:
        for language in sorted(os.listdir(os.path.join(families, family))):
            if len(language) == 2 and os.path.isdir(os.path.join(families, family, language)):
                library_document(os.path.join(families, family), family, language,
                                 '%s vehicle software family' % family.capitalize())
    for region, product, covers in LIBRARY_MAKERS:
        for language in ('EN', 'DE'):
            library_document(os.path.join(scan, region, product), product, language, covers)


class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def box(self, left, top, right, bottom, colour):
        for y in range(max(top, 0), min(bottom, self.height)):
            row = self.pixels[y]
            for x in range(max(left, 0), min(right, self.width)):
                row[x] = colour

    def frame(self, left, top, right, bottom, colour, thickness=3):
        self.box(left, top, right, top + thickness, colour)
        self.box(left, bottom - thickness, right, bottom, colour)
        self.box(left, top, left + thickness, bottom, colour)
        self.box(right - thickness, top, right, bottom, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if 0 <= x < self.width and 0 <= y < self.height and (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.pixels[y][x] = colour

    def bmp(self):
        stride = (self.width * 3 + 3) & ~3
        rows = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            rows += line + bytes(stride - len(line))
        header = struct.pack('<2sIHHI', b'BM', 54 + len(rows), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
        return header + info + bytes(rows)


# The pictures fill the picture area of the shell's window at its usual size (1024 x 768); the markers the
# diagnostic program sends are percentages of that area.
PICTURE_WIDTH, PICTURE_HEIGHT = 758, 448
STEEL, DARK, TYRE, ACCENT = (200, 206, 214), (48, 56, 68), (36, 36, 40), (230, 120, 30)


def at(percent_x, percent_y):
    return PICTURE_WIDTH * percent_x // 100, PICTURE_HEIGHT * percent_y // 100


def sensors_picture():
    """A vehicle seen from above with its four wheels; the sensors sit at 22/78 percent."""
    c = Canvas(PICTURE_WIDTH, PICTURE_HEIGHT, (244, 246, 248))
    left, top = at(28, 12)
    right, bottom = at(72, 88)
    c.box(left, top, right, bottom, STEEL)
    c.frame(left, top, right, bottom, DARK, 4)
    for px, py in ((22, 22), (78, 22), (22, 78), (78, 78)):
        x, y = at(px, py)
        c.box(x - 30, y - 55, x + 30, y + 55, TYRE)
        c.disc(x, y, 14, ACCENT)
        wheel_side = right if px > 50 else left
        c.box(min(x, wheel_side), y - 3, max(x, wheel_side), y + 3, DARK)
    c.box(*at(33, 50), *at(67, 52), DARK)  # the brake line along the body
    return c.bmp()


def connector_picture():
    """A two-pin sensor connector; the pins sit at 35 and 65 percent across, halfway down."""
    c = Canvas(PICTURE_WIDTH, PICTURE_HEIGHT, (244, 246, 248))
    c.box(*at(22, 25), *at(78, 75), DARK)
    c.box(*at(25, 30), *at(75, 70), STEEL)
    for px in (35, 65):
        x, y = at(px, 50)
        c.disc(x, y, 34, TYRE)
        c.disc(x, y, 16, ACCENT)
    c.box(*at(45, 18), *at(55, 25), DARK)  # the latch
    return c.bmp()


def write_pictures(program):
    pictures = {'ABS_SENSORS.BMP': sensors_picture(), 'ABS_CONNECTOR.BMP': connector_picture()}
    for folder, _, files in os.walk(os.path.join(program, 'Scan')):
        if 'MAKER.exe' in files:
            for name, data in pictures.items():
                write(os.path.join(folder, 'PICTURE', name), data)


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: write_documents.py <program folder>')
    write_documents(sys.argv[1])
    write_pictures(sys.argv[1])


if __name__ == '__main__':
    main()
