#!/usr/bin/env python3
"""Draws the Folivex program icon and writes it as a Windows .ico file.

The icon is a white sheet with a folded corner and a few lines of text on a
rounded teal tile. Every size is drawn from the same shapes at that size (not
scaled from a big picture), with 4x4 supersampling for smooth edges, and
stored PNG-compressed, which Windows accepts for every size.

Usage: make_icons.py OUTPUT.ico
"""
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)
SAMPLES = 4  # per axis

TILE = (0x1B, 0x6F, 0x7A)
SHEET = (0xFF, 0xFF, 0xFF)
FOLD = (0xC9, 0xD6, 0xD9)
TEXT = (0x5A, 0x6B, 0x70)


def inside_rounded(x, y, left, top, right, bottom, radius):
    """Whether point (x, y) lies in the rounded rectangle."""
    if x < left or x >= right or y < top or y >= bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def shade(u, v):
    """The colour (r, g, b, a) of the icon at unit coordinates (u, v)."""
    if not inside_rounded(u, v, 0.02, 0.02, 0.98, 0.98, 0.18):
        return (0, 0, 0, 0)
    # The sheet: a portrait rectangle whose top-right corner is folded.
    left, top, right, bottom, fold = 0.24, 0.14, 0.76, 0.86, 0.16
    if left <= u < right and top <= v < bottom:
        dx = u - (right - fold)
        dy = v - top
        if dx > 0 and dy < fold:
            if dx > dy:
                return TILE + (255,)  # cut-off corner shows the tile
            return FOLD + (255,)
        for line in range(5):
            y0 = 0.40 + line * 0.09
            width = 0.40 if line % 2 == 0 else 0.32
            if y0 <= v < y0 + 0.04 and left + 0.08 <= u < left + 0.08 + width:
                return TEXT + (255,)
        return SHEET + (255,)
    return TILE + (255,)


def draw(size):
    """RGBA rows of the icon at one size, averaged over SAMPLES^2 points."""
    rows = []
    n = SAMPLES * SAMPLES
    for y in range(size):
        row = bytearray()
        for x in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) / size
                    v = (y + (sy + 0.5) / SAMPLES) / size
                    pr, pg, pb, pa = shade(u, v)
                    r += pr * pa
                    g += pg * pa
                    b += pb * pa
                    a += pa
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(a / n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(width, rows):
    """A PNG file (8-bit RGBA, no interlace) holding the rows of that width."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)
    header = struct.pack(">IIBBBBB", width, len(rows), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def ico(images):
    """An .ico file from (size, png bytes) pairs."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, blob in images:
        dim = 0 if size >= 256 else size  # 0 stands for 256
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset + len(data))
        data += blob
    return out + data


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icons.py OUTPUT.ico")
    images = [(size, png(size, draw(size))) for size in SIZES]
    with open(sys.argv[1], "wb") as f:
        f.write(ico(images))


if __name__ == "__main__":
    main()
