#!/usr/bin/env python3
"""Writes the repair-information pages of the demo installation into a program folder:

    demo/write_repair_pages.py <program folder>

Every maker folder ("Scan/<REGION>/<MAKER>/", the families in "Scan/PRO/" aside) gets the pages of
the demo diagnosis's engine, for its menu path "Engine" -> "Read trouble codes" (German: "Motor" ->
"Fehlerspeicher lesen"): the main page of that menu item and a page it links to, one folder level
per menu level above the item:

    repair_info/EN/Engine/EN_Read trouble codes_MAIN.mht.enc
    repair_info/EN/Engine/Coolant temperature sensor.mht.enc
    repair_info/DE/Motor/DE_Fehlerspeicher lesen_MAIN.mht.enc
    repair_info/DE/Motor/Kuehlmitteltemperatursensor.mht.enc

The pages are single-file web archives (MIME, quoted-printable HTML), stored scrambled the way the
viewer restores them: each byte raised by an offset that runs from 0x11 to 0x4F and starts again.
Everything in them is invented.
"""
import os
import quopri
import sys

OFFSET_FIRST, OFFSET_LAST = 0x11, 0x4F

PAGES = {
    'EN': ('Engine', [
        ('EN_Read trouble codes_MAIN', 'Reading the engine trouble codes', [
            'Switch the ignition on with the engine stopped.',
            'Read the codes, then note each code and its state before anything is cleared.',
            'P0115: check the <a href="Coolant temperature sensor.mht">coolant temperature sensor</a>.',
            'P0300: check the ignition coils and the spark plugs, cylinder by cylinder.',
            'Clear the codes, drive 10 minutes and read them again.',
        ]),
        ('Coolant temperature sensor', 'Coolant temperature sensor', [
            'Disconnect the sensor (connector C12, two pins).',
            'Measure the resistance between pins 1 and 2: 2.5 k&#8486; at 20 &#176;C, 0.3 k&#8486; at 80 &#176;C.',
            'Check the wiring to the engine control unit for a break or a short to ground.',
            'Replace the sensor when the values are out of range.',
        ]),
    ]),
    'DE': ('Motor', [
        ('DE_Fehlerspeicher lesen_MAIN', 'Motor-Fehlerspeicher lesen', [
            'Z&#252;ndung einschalten, Motor steht.',
            'Fehlerspeicher lesen; jeden Code und seinen Zustand notieren, bevor gel&#246;scht wird.',
            'P0115: <a href="Kuehlmitteltemperatursensor.mht">K&#252;hlmitteltemperatursensor</a> pr&#252;fen.',
            'P0300: Z&#252;ndspulen und Z&#252;ndkerzen Zylinder f&#252;r Zylinder pr&#252;fen.',
            'Fehlerspeicher l&#246;schen, 10 Minuten fahren und erneut lesen.',
        ]),
        ('Kuehlmitteltemperatursensor', 'K&#252;hlmitteltemperatursensor', [
            'Sensor abstecken (Stecker C12, zwei Pins).',
            'Widerstand zwischen Pin 1 und 2 messen: 2,5 k&#8486; bei 20 &#176;C, 0,3 k&#8486; bei 80 &#176;C.',
            'Leitungen zum Motorsteuerger&#228;t auf Unterbrechung und Masseschluss pr&#252;fen.',
            'Sensor ersetzen, wenn die Werte au&#223;erhalb liegen.',
        ]),
    ]),
}


def archive(name, title, steps):
    steps_html = '\n'.join('<p>%d. %s</p>' % (n, step) for n, step in enumerate(steps, 1))
    html = ('<html><head><title>%s</title><style>p{margin:4px 0}</style></head><body>\n'
            '<h1>%s</h1>\n%s\n</body></html>\n' % (title, title, steps_html))
    body = quopri.encodestring(html.encode('utf-8')).decode('ascii')
    return ('From: <Saved by the repair page editor>\r\n'
            'Subject: %s\r\n'
            'MIME-Version: 1.0\r\n'
            'Content-Type: multipart/related; type="text/html"; boundary="----=_Part_1"\r\n'
            '\r\n'
            '------=_Part_1\r\n'
            'Content-Type: text/html; charset="utf-8"\r\n'
            'Content-Transfer-Encoding: quoted-printable\r\n'
            'Content-Location: file:///%s.htm\r\n'
            '\r\n'
            '%s\r\n'
            '------=_Part_1--\r\n' % (title, name, body.replace('\n', '\r\n'))).encode('ascii')


def scramble(page):
    stored = bytearray(len(page))
    offset = OFFSET_FIRST
    for i, byte in enumerate(page):
        stored[i] = (byte + offset) & 0xFF
        offset = OFFSET_FIRST if offset == OFFSET_LAST else offset + 1
    return bytes(stored)


def maker_folders(program):
    scan = os.path.join(program, 'Scan')
    for region in sorted(os.listdir(scan)):
        if region == 'PRO' or not os.path.isdir(os.path.join(scan, region)):
            continue
        for maker in sorted(os.listdir(os.path.join(scan, region))):
            folder = os.path.join(scan, region, maker)
            if os.path.isdir(folder):
                yield folder


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: write_repair_pages.py <program folder>')
    for maker in maker_folders(sys.argv[1]):
        for language, (system, pages) in PAGES.items():
            folder = os.path.join(maker, 'repair_info', language, system)
            os.makedirs(folder, exist_ok=True)
            for name, title, steps in pages:
                with open(os.path.join(folder, name + '.mht.enc'), 'wb') as out:
                    out.write(scramble(archive(name, title, steps)))


if __name__ == '__main__':
    main()
