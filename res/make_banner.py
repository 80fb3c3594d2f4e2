#!/usr/bin/env python3
"""Draws the banner of the About window and writes it as a PNG file.

The banner is the program icon followed by the name "Folivex" in rounded
strokes of the icon's teal, on a transparent background, 600 x 132 pixels.
The icon comes from make_icons.py at the banner's size, and the file is
written by its PNG writer. The letters are strokes (segments and arcs with
round ends) whose edges are smoothed from their distance to each pixel's
centre.

Usage: make_banner.py OUTPUT.png
"""
import math
import sys

import make_icons

WIDTH, HEIGHT = 600, 132
ICON = 112
INK = make_icons.TILE
HALF = 7  # half the stroke width

# Letter heights: baseline, top of the small letters, top of the tall ones.
BASE, SMALL, TALL = 107, 55, 25
MIDDLE = (SMALL + BASE) // 2
RING = 19  # radius of the o and e, to the middle of the stroke


def segment(x0, y0, x1, y1):
    """Distance from a point to the segment, as a function."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def distance(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2)) if length2 else 0.0
        return math.hypot(x - x0 - t * dx, y - y0 - t * dy)
    return distance


def arc(cx, cy, gap_from=0.0, gap_to=0.0):
    """Distance to a circle of radius RING, open between two angles (radians,
    clockwise from the right, since y grows downwards)."""
    ends = [(cx + RING * math.cos(a), cy + RING * math.sin(a)) for a in (gap_from, gap_to)]

    def distance(x, y):
        if gap_from < math.atan2(y - cy, x - cx) < gap_to:
            return min(math.hypot(x - ex, y - ey) for ex, ey in ends)
        return abs(math.hypot(x - cx, y - cy) - RING)
    return distance


def dot(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius + HALF


def letters(left):
    """The strokes of "Folivex" from x = left, and the right edge."""
    strokes = []
    x = left
    # F
    strokes += [segment(x + HALF, TALL + HALF, x + HALF, BASE - HALF),
                segment(x + HALF, TALL + HALF, x + 44, TALL + HALF),
                segment(x + HALF, MIDDLE - 12, x + 36, MIDDLE - 12)]
    x += 61
    # o
    strokes.append(arc(x + RING + HALF, MIDDLE))
    x += 62
    # l
    strokes.append(segment(x + HALF, TALL + HALF, x + HALF, BASE - HALF))
    x += 24
    # i
    strokes += [segment(x + HALF, SMALL + HALF, x + HALF, BASE - HALF), dot(x + HALF, TALL + 9, 9)]
    x += 24
    # v
    strokes += [segment(x + HALF, SMALL + HALF, x + 25, BASE - HALF),
                segment(x + 25, BASE - HALF, x + 43, SMALL + HALF)]
    x += 58
    # e: the bar, and the ring open at the lower right
    strokes += [arc(x + RING + HALF, MIDDLE, 0.0, 0.8),
                segment(x + HALF, MIDDLE, x + 2 * RING + HALF, MIDDLE)]
    x += 62
    # x
    strokes += [segment(x + HALF, SMALL + HALF, x + 41, BASE - HALF),
                segment(x + 41, SMALL + HALF, x + HALF, BASE - HALF)]
    return strokes, x + 48


def draw():
    """RGBA rows of the banner."""
    canvas = [bytearray(WIDTH * 4) for _ in range(HEIGHT)]
    _, text_width = letters(0)
    left = (WIDTH - (ICON + 24 + text_width)) // 2
    top = (HEIGHT - ICON) // 2
    for y, row in enumerate(make_icons.draw(ICON)):
        canvas[top + y][left * 4:(left + ICON) * 4] = row
    strokes, right = letters(left + ICON + 24)
    for y in range(TALL - 2, BASE + 2):
        for x in range(left + ICON + 20, right + 2):
            d = min(stroke(x + 0.5, y + 0.5) for stroke in strokes) - HALF
            coverage = max(0.0, min(1.0, 0.5 - d))
            if coverage:
                canvas[y][x * 4:x * 4 + 4] = bytes(INK + (round(255 * coverage),))
    return [bytes(row) for row in canvas]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_banner.py OUTPUT.png")
    with open(sys.argv[1], "wb") as f:
        f.write(make_icons.png(WIDTH, draw()))


if __name__ == "__main__":
    main()
