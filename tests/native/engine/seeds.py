#!/usr/bin/env python3
"""Seed corpus of the engine fuzzer, written into OUTDIR.

The project's generated PDFs under 256 KB (not the 5000-page and 24 MB
ones, too big to mutate usefully), one-page documents of this module's own
that reach other parts of the engine (vector paths, a compressed stream, an
image and a shading), and damaged variants of each: cut short, and with
bytes overwritten.

usage: seeds.py FIXTURE_SCRIPTS_DIR OUTDIR
"""
import os
import random
import sys
import tempfile
import zlib

PATHS = (b"0.5 w 1 0 0 RG 20 20 m 180 80 l S 0 0 1 rg 30 30 60 40 re f "
         b"[4 2] 0 d 100 50 m 120 90 150 10 170 50 c h B* q 10 10 50 50 re W n "
         b"0 1 0 rg 0 0 200 100 re f Q")
PIXELS = zlib.compress(bytes((x * 16) % 256 for x in range(8 * 8 * 3)))
IMAGE = (b"<< /Type /XObject /Subtype /Image /Width 8 /Height 8 /ColorSpace /DeviceRGB "
         b"/BitsPerComponent 8 /Filter /FlateDecode /Length %d >>\nstream\n" % len(PIXELS) + PIXELS + b"\nendstream")
SHADING = (b"<< /ShadingType 2 /ColorSpace /DeviceRGB /Coords [0 0 200 0] "
           b"/Function << /FunctionType 2 /Domain [0 1] /C0 [1 0 0] /C1 [0 0 1] /N 1 >> >>")

# name: content stream, its dictionary's extra keys, and resources as
# (kind, name, object).
PAGES = {
    "paths.pdf": (PATHS, b"", []),
    "flate.pdf": (zlib.compress(PATHS), b"/Filter /FlateDecode ", []),
    "image-shading.pdf": (b"q 100 0 0 80 10 10 cm /Im1 Do Q /Sh1 sh", b"",
                          [(b"XObject", b"Im1", IMAGE), (b"Shading", b"Sh1", SHADING)]),
}


def one_page(content, keys, resources):
    """One 200 x 100 page written with a classic cross-reference table."""
    names = b"".join(b" /%s << /%s %d 0 R >>" % (kind, name, 5 + i) for i, (kind, name, _) in enumerate(resources))
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>",
               b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
               b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] /Contents 4 0 R /Resources << "
               b"/Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Times-Roman >> >>" + names + b" >> >>",
               b"<< " + keys + b"/Length %d >>\nstream\n" % len(content) + content + b"\nendstream"]
    objects += [body for _, _, body in resources]
    import pdf_fixtures  # on the path main() sets
    return pdf_fixtures.pdf_bytes(objects, b"%PDF-1.5\n")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.path.insert(0, sys.argv[1])
    import pdf_fixtures
    docs = {name: one_page(*page) for name, page in PAGES.items()}
    with tempfile.TemporaryDirectory() as generated:
        pdf_fixtures.write_all(generated)
        for name in os.listdir(generated):
            path = os.path.join(generated, name)
            if name.endswith(".pdf") and os.path.getsize(path) < 256 * 1024:
                with open(path, "rb") as f:
                    docs[name] = f.read()
    os.makedirs(sys.argv[2], exist_ok=True)
    rng = random.Random(15)
    for name, data in sorted(docs.items()):
        cut = data[:rng.randrange(1, len(data))] if len(data) > 1 else data
        flipped = bytearray(data)
        for _ in range(8 if data else 0):
            flipped[rng.randrange(len(flipped))] = rng.randrange(256)
        for suffix, body in (("", data), ("-cut", cut), ("-flipped", flipped)):
            with open(os.path.join(sys.argv[2], name[:-4] + suffix + ".pdf"), "wb") as f:
                f.write(body)

if __name__ == "__main__":
    main()
