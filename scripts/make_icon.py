#!/usr/bin/env python3
"""Draws the launcher's icon and writes its two icon files:

  res/launcher.ico      the window icon: one 128x128 32-bit image, every pixel opaque, an all-zero AND
                        mask (67,646 bytes); the window makes its caption and taskbar sizes from it
  res/launcher-exe.ico  the exe's own icon for Explorer, the taskbar and Alt-Tab: one image per size
                        that Windows asks for: 16, 20, 24 and 32 as 32-bit bitmaps, 40, 48, 64 and 256 as
                        PNG (Windows reads PNG images of any size since Vista; as bitmaps the four would
                        add 34 KB to an exe held under 500,000 bytes)

The picture is a scope reticle in bold strokes on a dark tile: a thick green ring, four thick bars with an
open centre, a red centre dot. Nothing in it is thinner than 1/8 of the tile, so at 16 px every stroke is
still two pixels wide. Every size is drawn from the same shapes (signed distance fields in the 128-px
tile's units), each pixel the average of a grid of samples over its area. Standard library only; the
output depends on nothing but this file, so the committed files can be made again byte for byte.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, os.pardir, "res")
WINDOW_ICON = os.path.join(RES, "launcher.ico")
EXE_ICON = os.path.join(RES, "launcher-exe.ico")
WINDOW_SIZE = 128
EXE_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
PNG_FROM = 40  # this size and bigger as PNG

# The picture, in units of the 128-px tile, centred on (0, 0).
UNIT = 128.0
RING_R = 37.0
RING_W = 17.0
BAR_W = 17.0
BAR_INNER = 17.0
BAR_OUTER = 60.0
DOT_R = 11.0

TILE_TOP = (40, 56, 74)
TILE_BOTTOM = (14, 20, 28)
GREEN = (96, 236, 128)
RED = (240, 52, 44)


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def sd_ring(x, y):
    return abs(math.hypot(x, y) - RING_R) - RING_W / 2


def sd_bars(x, y):
    """Four square-ended bars on the axes, from BAR_INNER to BAR_OUTER out of the centre."""
    best = float("inf")
    for along, across in ((abs(x), abs(y)), (abs(y), abs(x))):
        mid, half_len = (BAR_INNER + BAR_OUTER) / 2, (BAR_OUTER - BAR_INNER) / 2
        qx, qy = abs(along - mid) - half_len, across - BAR_W / 2
        best = min(best, math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0))
    return best


def sample(x, y):
    """Colour at one point of the tile."""
    if math.hypot(x, y) < DOT_R:
        return RED
    if min(sd_ring(x, y), sd_bars(x, y)) < 0:
        return GREEN
    return mix(TILE_TOP, TILE_BOTTOM, (y + UNIT / 2) / UNIT)


def render(size):
    """Rows top-down of (r, g, b) in 0..255: each pixel averages a grid of samples over its area."""
    sub = max(2, -(-512 // size))  # at least 512 samples across the tile
    scale = UNIT / size
    offs = [(i + 0.5) / sub for i in range(sub)]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            for oy in offs:
                y = (py + oy) * scale - UNIT / 2
                for ox in offs:
                    s = sample((px + ox) * scale - UNIT / 2, y)
                    for i in range(3):
                        acc[i] += s[i]
            row.append(tuple(int(round(a / (sub * sub))) for a in acc))
        rows.append(row)
    return rows


def bitmap_image(rows):
    """An icon image as a 32-bit DIB: header, opaque BGRA rows bottom-up, an all-zero AND mask."""
    size = len(rows)
    pixels = b"".join(bytes((b, g, r, 255)) for row in reversed(rows) for r, g, b in row)
    mask = bytes(((size + 31) // 32 * 4) * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def png_image(rows):
    """An icon image as a PNG: 8-bit RGBA, opaque, no metadata."""
    size = len(rows)
    raw = b"".join(b"\0" + b"".join(bytes((r, g, b, 255)) for r, g, b in row) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images):
    """An icon file of (size, image bytes) pairs, in that order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(image for _, image in images)


def check_window_icon(data):
    assert len(data) == 67646, len(data)
    assert struct.unpack_from("<HHH", data, 0) == (0, 1, 1)
    assert struct.unpack_from("<BBBBHHII", data, 6) == (128, 128, 0, 0, 1, 32, 67624, 22)
    hdr = struct.unpack_from("<IiiHHIIiiII", data, 22)
    assert hdr[:6] == (40, 128, 256, 1, 32, 0), hdr
    pixels = data[62:62 + 65536]
    assert all(pixels[i] == 255 for i in range(3, len(pixels), 4)), "every pixel must be opaque"
    assert data[62 + 65536:] == bytes(2048), "AND mask must be all zero"


def check_exe_icon(data):
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (kind, count) == (1, len(EXE_SIZES))
    for i, size in enumerate(EXE_SIZES):
        w, h, _, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        assert (w or 256, h or 256, planes, bits) == (size, size, 1, 32), (i, w, h)
        image = data[offset:offset + length]
        assert image.startswith(b"\x89PNG") == (size >= PNG_FROM), size


def write(path, data, check):
    check(data)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (os.path.normpath(path), len(data)))


def main():
    write(WINDOW_ICON, ico([(WINDOW_SIZE, bitmap_image(render(WINDOW_SIZE)))]), check_window_icon)
    images = [(s, png_image(render(s)) if s >= PNG_FROM else bitmap_image(render(s))) for s in EXE_SIZES]
    write(EXE_ICON, ico(images), check_exe_icon)
    return 0


if __name__ == "__main__":
    sys.exit(main())
