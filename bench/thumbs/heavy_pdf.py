#!/usr/bin/env python3
"""Writes heavy.pdf for the thumbnail benchmark: PAGES A4 pages, each a
dense vector drawing (stroked and filled curves in many colours) under
lines of small text, so that rendering one page takes the engine long
enough to be interrupted.

    heavy_pdf.py OUTDIR [PAGES]
"""
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "fixtures"))
import pdf_fixtures  # noqa: E402

CURVES = 1500
TEXT_LINES = 70


class HeavyPage(pdf_fixtures.Page):
    """An A4 page whose content starts with a drawing of CURVES curves."""

    def __init__(self, number):
        super().__init__(*pdf_fixtures.A4)
        rng = random.Random(number)
        parts = ["0.3 w"]
        for _ in range(CURVES):
            x, y = rng.uniform(20, 575), rng.uniform(20, 822)
            points = " ".join("%.1f %.1f" % (x + rng.uniform(-60, 60), y + rng.uniform(-60, 60)) for _ in range(3))
            colour = "%.2f %.2f %.2f" % (rng.random(), rng.random(), rng.random())
            paint = "f" if rng.random() < 0.3 else "S"
            parts.append("%s RG %s rg %.1f %.1f m %s c %s" % (colour, colour, x, y, points, paint))
        self.drawing = "\n".join(parts)
        self.text(pdf_fixtures.LEFT, pdf_fixtures.HEADING_Y, 24, "Page %d" % number)
        for line in range(TEXT_LINES):
            self.text(30, 740 - 10 * line, 8, "Line %d of page %d: " % (line + 1, number) + "lorem ipsum " * 8)

    def content(self):
        return self.drawing.encode("latin-1") + b"\n" + super().content()


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: heavy_pdf.py OUTDIR [PAGES]")
    os.makedirs(sys.argv[1], exist_ok=True)
    pages = int(sys.argv[2]) if len(sys.argv) == 3 else 300
    pdf_fixtures.write_pdf(os.path.join(sys.argv[1], "heavy.pdf"), [HeavyPage(n) for n in range(1, pages + 1)])


if __name__ == "__main__":
    main()
