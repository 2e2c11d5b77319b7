#!/usr/bin/env python3
"""Draws the launcher's window icon and writes res/launcher.ico.

The picture is a bold scope reticle (ring, four crosshair bars with an open centre, red centre dot) on a
dark blue-grey tile. Shapes are signed distance fields sampled on a 4x4 grid per pixel, so edges stay
smooth when Windows scales the 128x128 image down to 32x32 or 16x16. Standard library only.

The icon holds a single 128x128 32-bit image with every pixel opaque and an all-zero AND mask; the
file layout is checked after writing.
"""
import math
import os
import struct
import sys

SIZE = 128
SUB = 4  # samples per pixel along each axis
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, os.pardir, "res", "launcher.ico")

# Reticle geometry, in pixels of the 128x128 image, centred on (64, 64).
RING_R = 40.0
RING_W = 11.0
BAR_W = 11.0
BAR_INNER = 18.0
BAR_OUTER = 58.0
DOT_R = 8.5
OUTLINE = 3.0

GREEN_HI = (150, 255, 170)
GREEN_LO = (40, 200, 95)
RED_HI = (255, 120, 100)
RED_LO = (215, 30, 35)
OUTLINE_RGB = (6, 10, 14)


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(x, y, t) for x, y in zip(c1, c2))


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def sd_ring(x, y):
    return abs(math.hypot(x, y) - RING_R) - RING_W / 2


def sd_bars(x, y):
    """Four rounded bars on the axes, from BAR_INNER to BAR_OUTER out of the centre."""
    ax, ay = abs(x), abs(y)
    # Fold onto the +x bar: the bar along x uses (ax, y); the bar along y uses (ay, x).
    best = float("inf")
    for along, across in ((ax, ay), (ay, ax)):
        half = BAR_W / 2
        r = half * 0.5  # slightly rounded ends
        cx = min(max(along, BAR_INNER + r), BAR_OUTER - r)
        dx = along - cx
        # rounded box: length of the overshoot of a box shrunk by r, minus r
        qx = abs(dx)
        qy = across - (half - r)
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        inside = min(max(qx, qy), 0.0)
        best = min(best, outside + inside - r)
    return best


def sd_dot(x, y):
    return math.hypot(x, y) - DOT_R


def sd_reticle(x, y):
    return min(sd_ring(x, y), sd_bars(x, y))


def background(x, y):
    """Dark tile: radial glow in the middle, a vignette towards the corners, a faint bevel at the top."""
    d = math.hypot(x, y) / (SIZE * 0.72)
    centre = (36, 52, 68)
    edge = (10, 13, 18)
    c = mix(centre, edge, clamp01(d) ** 1.3)
    top = clamp01((-y - 40.0) / 24.0) * 0.10  # light from above
    return tuple(v + (255 - v) * top * 0.35 for v in c)


def sample(x, y):
    """Colour of one sample point; x, y relative to the centre, y growing downward."""
    c = background(x, y)
    r = sd_reticle(x, y)
    dot = sd_dot(x, y)
    motif = min(r, dot)
    # soft green glow around the reticle
    if r > 0:
        glow = 0.28 * math.exp(-r / 5.0)
        c = mix(c, GREEN_LO, glow)
    # dark outline keeps the shapes readable against the lighter middle of the tile
    if motif < OUTLINE:
        c = OUTLINE_RGB
    if r < 0:
        # lit from the top left: brighter there, darker bottom right, with a bright inner edge
        t = clamp01(0.5 + (x + y) / 150.0)
        base = mix(GREEN_HI, GREEN_LO, t)
        edge = clamp01(1.0 + r / 2.0)  # 1 at the border, 0 two pixels inside
        c = mix(base, (225, 255, 230), 0.25 * edge * (1 - t))
    if dot < 0:
        t = clamp01(0.5 + (x + y) / (4 * DOT_R))
        c = mix(RED_HI, RED_LO, t)
        # small highlight towards the top left
        hl = math.hypot(x + DOT_R * 0.35, y + DOT_R * 0.35)
        c = mix(c, (255, 225, 215), 0.6 * clamp01(1 - hl / (DOT_R * 0.45)))
    return c


def render():
    """Rows top-down, each a list of (r, g, b) in 0..255."""
    rows = []
    step = 1.0 / SUB
    offs = [(i + 0.5) * step for i in range(SUB)]
    n = SUB * SUB
    half = SIZE / 2
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0.0, 0.0, 0.0]
            for oy in offs:
                y = py + oy - half
                for ox in offs:
                    s = sample(px + ox - half, y)
                    acc[0] += s[0]
                    acc[1] += s[1]
                    acc[2] += s[2]
            row.append(tuple(min(255, max(0, int(round(a / n)))) for a in acc))
        rows.append(row)
    return rows


def ico_bytes(rows):
    pixels = bytearray()
    for row in reversed(rows):  # DIB rows are stored bottom-up
        for r, g, b in row:
            pixels += bytes((b, g, r, 255))
    mask = bytes(SIZE * (SIZE // 8))  # 1 bpp AND mask, rows already a multiple of 4 bytes
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + bytes(pixels) + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return icondir + entry + image


def check(data):
    assert len(data) == 67646, len(data)
    assert struct.unpack_from("<HHH", data, 0) == (0, 1, 1)
    assert struct.unpack_from("<BBBBHHII", data, 6) == (128, 128, 0, 0, 1, 32, 67624, 22)
    hdr = struct.unpack_from("<IiiHHIIiiII", data, 22)
    assert hdr[:6] == (40, 128, 256, 1, 32, 0), hdr
    assert hdr[6] in (0, 65536 + 2048), hdr
    pixels = data[62:62 + 65536]
    assert all(pixels[i] == 255 for i in range(3, len(pixels), 4)), "every pixel must be opaque"
    assert data[62 + 65536:] == bytes(2048), "AND mask must be all zero"


def main():
    data = ico_bytes(render())
    check(data)
    with open(OUT, "wb") as f:
        f.write(data)
    with open(OUT, "rb") as f:
        check(f.read())
    print("wrote %s (%d bytes)" % (os.path.normpath(OUT), len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
