#!/usr/bin/env python3
"""Writes the comics of the open and paging benchmarks into OUTDIR:

    paging.cbz    200 pages in reading order
    open-2000.cbz 2,000 pages whose names are shuffled through the directory
    open-1.cbz    one page, the baseline of the open

Every page is a real JPEG of 1,800 x 2,700 pixels and 300-600 KB, stored
uncompressed as comic archives usually hold JPEGs. ImageMagick draws a few
distinct pictures (fractal plasma, which compresses like a scanned colour
page); each page is one of them with a comment segment of its own, so every
entry has its own bytes at the cost of one picture.

    make_comics.py OUTDIR
"""
import os
import random
import struct
import subprocess
import sys
import zipfile

WIDTH, HEIGHT = 1800, 2700
# (seed, quality): qualities chosen so that the pictures span 300-600 KB.
PICTURES = [(1, 84), (2, 86), (3, 88), (4, 85), (5, 87), (6, 89)]


def draw_picture(path, seed, quality):
    subprocess.run(['convert', '-size', '%dx%d' % (WIDTH, HEIGHT), '-seed', str(seed), 'plasma:fractal',
                    '-blur', '0x1.2', '-quality', str(quality), path], check=True)
    with open(path, 'rb') as f:
        return f.read()


def with_comment(jpeg, text):
    """The JPEG with a comment segment after its JFIF segment."""
    app0_end = 4 + struct.unpack('>H', jpeg[4:6])[0]
    body = text.encode('ascii')
    return jpeg[:app0_end] + b'\xff\xfe' + struct.pack('>H', len(body) + 2) + body + jpeg[app0_end:]


def write_comic(path, names, pictures):
    with zipfile.ZipFile(path, 'w', zipfile.ZIP_STORED) as archive:
        for i, name in enumerate(names):
            archive.writestr(name, with_comment(pictures[i % len(pictures)], name))


def main():
    out = os.path.abspath(sys.argv[1])
    os.makedirs(out, exist_ok=True)
    pictures = []
    for seed, quality in PICTURES:
        picture = draw_picture(os.path.join(out, 'picture.jpg'), seed, quality)
        if not 300 * 1024 <= len(picture) <= 600 * 1024:
            sys.exit('picture %d is %d bytes, outside 300-600 KB' % (seed, len(picture)))
        pictures.append(picture)
    os.remove(os.path.join(out, 'picture.jpg'))

    write_comic(os.path.join(out, 'paging.cbz'), ['page%03d.jpg' % i for i in range(1, 201)], pictures)
    # Twenty chapters of a hundred pages, numbered without leading zeros so
    # that only a natural sort puts them in order, listed in random order.
    names = ['Chapter %d/page %d.jpg' % (c, p) for c in range(1, 21) for p in range(1, 101)]
    random.Random(2000).shuffle(names)
    write_comic(os.path.join(out, 'open-2000.cbz'), names, pictures)
    write_comic(os.path.join(out, 'open-1.cbz'), ['page 1.jpg'], pictures)


if __name__ == '__main__':
    main()
