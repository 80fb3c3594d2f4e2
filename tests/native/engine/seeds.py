#!/usr/bin/env python3
"""Seed corpus of the engine fuzzer, written into OUTDIR.

The project's generated PDFs (without the 5000-page and 24 MB ones, too
big to mutate usefully), a few pages that reach other parts of the engine
(vector paths, a compressed stream, an image and a shading)
and damaged variants of each: cut short, and with bytes overwritten.

usage: seeds.py FIXTURE_SCRIPTS_DIR OUTDIR
"""
import os
import random
import sys
import zlib


def extra_pages():
    """Documents of this module's own, as name -> bytes."""
    docs = {}
    paths = (b"0.5 w 1 0 0 RG 20 20 m 180 80 l S 0 0 1 rg 30 30 60 40 re f "
             b"[4 2] 0 d 100 50 m 120 90 150 10 170 50 c h B* q 10 10 50 50 re W n "
             b"0 1 0 rg 0 0 200 100 re f Q")
    docs["paths.pdf"] = simple_pdf(paths, b"")
    packed = zlib.compress(paths)
    docs["flate.pdf"] = simple_pdf(packed, b"/Filter /FlateDecode ")
    pixels = bytes((x * 16) % 256 for x in range(8 * 8 * 3))
    image = (b"<< /Type /XObject /Subtype /Image /Width 8 /Height 8 /ColorSpace /DeviceRGB "
             b"/BitsPerComponent 8 /Filter /FlateDecode /Length %d >>\nstream\n"
             % len(zlib.compress(pixels)) + zlib.compress(pixels) + b"\nendstream")
    shading = (b"<< /ShadingType 2 /ColorSpace /DeviceRGB /Coords [0 0 200 0] "
               b"/Function << /FunctionType 2 /Domain [0 1] /C0 [1 0 0] /C1 [0 0 1] /N 1 >> >>")
    docs["image-shading.pdf"] = simple_pdf(b"q 100 0 0 80 10 10 cm /Im1 Do Q /Sh1 sh",
                                           b"", image, shading)
    return docs


def simple_pdf(content, stream_keys, image=None, shading=None):
    """One 200 x 100 page with `content`, optionally an image /Im1 and a
    shading /Sh1, written with a classic cross-reference table."""
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>",
               b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
               None,
               b"<< " + stream_keys + b"/Length %d >>\nstream\n" % len(content) + content + b"\nendstream"]
    resources = b"/Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Times-Roman >> >>"
    if image:
        objects.append(image)
        resources += b" /XObject << /Im1 %d 0 R >>" % len(objects)
    if shading:
        objects.append(shading)
        resources += b" /Shading << /Sh1 %d 0 R >>" % len(objects)
    objects[2] = (b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] /Contents 4 0 R "
                  b"/Resources << " + resources + b" >> >>")
    out = bytearray(b"%PDF-1.5\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    start = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, start)
    return bytes(out)


def damaged(data, rng):
    """A copy cut short, and a copy with a few bytes overwritten."""
    cut = data[:rng.randrange(1, len(data))] if len(data) > 1 else data
    flipped = bytearray(data)
    for _ in range(8):
        if flipped:
            flipped[rng.randrange(len(flipped))] = rng.randrange(256)
    return cut, bytes(flipped)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    fixtures, outdir = sys.argv[1], sys.argv[2]
    sys.path.insert(0, fixtures)
    import pdf_fixtures
    import search_fixtures
    os.makedirs(outdir, exist_ok=True)
    generated = os.path.join(outdir, "generated")
    pdf_fixtures.write_all(generated)
    search_fixtures.write_all(generated)
    docs = extra_pages()
    for name in sorted(os.listdir(generated)):
        path = os.path.join(generated, name)
        if name.endswith(".pdf") and os.path.getsize(path) < 256 * 1024:
            with open(path, "rb") as f:
                docs[name] = f.read()
        os.remove(path)
    os.rmdir(generated)
    rng = random.Random(15)
    for name, data in sorted(docs.items()):
        variants = (("", data),) + (tuple(zip(("-cut", "-flipped"), damaged(data, rng))) if data else ())
        for suffix, body in variants:
            with open(os.path.join(outdir, name[:-4] + suffix + ".pdf"), "wb") as f:
                f.write(body)


if __name__ == "__main__":
    main()
