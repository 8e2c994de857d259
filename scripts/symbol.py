#!/usr/bin/env python3
"""Draws the program's icon from its title picture: the rings whose brightness follows
the 3s radial wave function of hydrogen (bright centre, dark rings at its nodes), fading
to the start screen's blue at the rim, on a rounded square of that blue.

Writes data/icons/quantenpfad.svg and data/icons/<n>x<n>/quantenpfad.png for
n = 16, 22, 24, 32, 48, 64, 128, 256. Python standard library only:
    scripts/symbol.py
"""
import math
import os
import struct
import zlib

HINTERGRUND = (0x01, 0x44, 0x96)  # the start screen's blue (R, G, B)
GROESSEN = (16, 22, 24, 32, 48, 64, 128, 256)
ECKE = 0.18  # corner radius of the square, as a share of its side
ZIEL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "icons")


def ringfarbe(rho):
    """Colour at distance rho (0 centre, 1 rim) as in the title picture's rings."""
    rho = min(max(rho, 0.0), 1.0)
    x = 11.0 * rho  # the title picture runs x from 0 to 17; the icon shows the inner rings larger
    t = abs((2 * x * x - 18 * x + 27) * math.exp(-x / 3)) / 27
    m = t * (4 - 3 * math.sqrt(max(2 * t - t * t, 0.0)))
    grau = 192 * m + 63
    w = rho * rho  # fades to the blue later than the title picture, so the rings show
    return tuple(grau * (1 - w) + c * w for c in HINTERGRUND)


def im_quadrat(x, y):
    """Inside the rounded square [0, 1]²?"""
    r = ECKE
    dx = max(r - x, 0.0, x - (1 - r))
    dy = max(r - y, 0.0, y - (1 - r))
    return dx * dx + dy * dy <= r * r


def png(n, pfad):
    proben = 4 if n >= 64 else 8  # supersampling per axis
    zeilen = bytearray()
    for py in range(n):
        zeilen.append(0)
        for px in range(n):
            summe = [0.0, 0.0, 0.0, 0.0]
            for sy in range(proben):
                for sx in range(proben):
                    x = (px + (sx + 0.5) / proben) / n
                    y = (py + (sy + 0.5) / proben) / n
                    if not im_quadrat(x, y):
                        continue
                    rho = math.hypot(x - 0.5, y - 0.5) / 0.5
                    f = ringfarbe(rho)
                    for k in range(3):
                        summe[k] += f[k]
                    summe[3] += 1
            a = summe[3] / (proben * proben)
            if summe[3]:
                farbe = [round(summe[k] / summe[3]) for k in range(3)]
            else:
                farbe = [0, 0, 0]
            zeilen += bytes(farbe + [round(255 * a)])
    def block(art, daten):
        return struct.pack(">I", len(daten)) + art + daten + struct.pack(">I", zlib.crc32(art + daten))
    kopf = struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0)
    inhalt = b"\x89PNG\r\n\x1a\n" + block(b"IHDR", kopf) + block(b"IDAT", zlib.compress(bytes(zeilen), 9)) + block(b"IEND", b"")
    os.makedirs(os.path.dirname(pfad), exist_ok=True)
    with open(pfad, "wb") as f:
        f.write(inhalt)


def svg(pfad):
    stops = []
    schritte = 120
    for i in range(schritte + 1):
        rho = i / schritte
        r, g, b = (round(c) for c in ringfarbe(rho))
        stops.append(f'      <stop offset="{rho:.4f}" stop-color="#{r:02x}{g:02x}{b:02x}"/>')
    hg = "#%02x%02x%02x" % HINTERGRUND
    text = f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- Quantenpfad: the rings of the title picture (3s radial wave function of hydrogen).
     Made by scripts/symbol.py. -->
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <radialGradient id="ringe" cx="128" cy="128" r="128" gradientUnits="userSpaceOnUse">
{chr(10).join(stops)}
    </radialGradient>
  </defs>
  <rect x="0" y="0" width="256" height="256" rx="{256 * ECKE:.2f}" ry="{256 * ECKE:.2f}" fill="{hg}"/>
  <rect x="0" y="0" width="256" height="256" rx="{256 * ECKE:.2f}" ry="{256 * ECKE:.2f}" fill="url(#ringe)"/>
</svg>
"""
    with open(pfad, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    svg(os.path.join(ZIEL, "quantenpfad.svg"))
    for n in GROESSEN:
        png(n, os.path.join(ZIEL, f"{n}x{n}", "quantenpfad.png"))
