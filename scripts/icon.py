#!/usr/bin/env python3
"""Draws the program icon: resources/icons/belegwerk.svg and the PNG sizes of
the hicolor theme, from one list of shapes (run again after changing them)."""
import os
import struct
import zlib

# Shapes on a 256 x 256 canvas, painted in this order.
RUND = (16, 16, 240, 240, 40, "#2b5797")           # background: rounded square
BLATT = [(72, 44), (160, 44), (192, 76), (192, 212), (72, 212)]
ECKE = [(160, 44), (160, 76), (192, 76)]
ZEILEN = [(92, 96, 172, 106), (92, 120, 172, 130), (92, 144, 150, 154)]
SUMME = (128, 176, 172, 190)
GRAU, WEISS, FALZ, ORANGE = "#8a9bb5", "#ffffff", "#c8d3e6", "#f0a030"

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "resources", "icons")


def rgb(h):
    return tuple(int(h[i:i + 2], 16) for i in (1, 3, 5))


def in_rund(x, y):
    x0, y0, x1, y1, r, _ = RUND
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_poly(x, y, pts):
    inside = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def in_rect(x, y, r):
    return r[0] <= x <= r[2] and r[1] <= y <= r[3]


def farbe(x, y):
    c = None
    if in_rund(x, y):
        c = RUND[5]
    if in_poly(x, y, BLATT):
        c = WEISS
    if in_poly(x, y, ECKE):
        c = FALZ
    for z in ZEILEN:
        if in_rect(x, y, z):
            c = GRAU
    if in_rect(x, y, SUMME):
        c = ORANGE
    return c


def png(size, path):
    sub = 4
    rows = []
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(sub):
                for sx in range(sub):
                    x = (px + (sx + 0.5) / sub) * 256 / size
                    y = (py + (sy + 0.5) / sub) * 256 / size
                    c = farbe(x, y)
                    if c:
                        r, g, b = rgb(c)
                        acc[0] += r
                        acc[1] += g
                        acc[2] += b
                        acc[3] += 1
            n = acc[3]
            if n:
                row += bytes([acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (sub * sub)])
            else:
                row += bytes(4)
        rows.append(bytes(row))

    def chunk(t, d):
        return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)

    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def svg(path):
    pts = lambda p: " ".join("%d,%d" % xy for xy in p)
    x0, y0, x1, y1, r, c = RUND
    teile = ['<rect x="%d" y="%d" width="%d" height="%d" rx="%d" fill="%s"/>' % (x0, y0, x1 - x0, y1 - y0, r, c),
             '<polygon points="%s" fill="%s"/>' % (pts(BLATT), WEISS),
             '<polygon points="%s" fill="%s"/>' % (pts(ECKE), FALZ)]
    for z, f in [(z, GRAU) for z in ZEILEN] + [(SUMME, ORANGE)]:
        teile.append('<rect x="%d" y="%d" width="%d" height="%d" fill="%s"/>' % (z[0], z[1], z[2] - z[0], z[3] - z[1], f))
    with open(path, "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">\n  '
                + "\n  ".join(teile) + "\n</svg>\n")


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    svg(os.path.join(OUT, "belegwerk.svg"))
    for s in (16, 22, 24, 32, 48, 64, 128, 256):
        png(s, os.path.join(OUT, "belegwerk-%d.png" % s))
