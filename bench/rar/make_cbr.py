#!/usr/bin/env python3
"""Writes the benchmark's two comics into OUTDIR: nonsolid.cbr and solid.cbr,
each of PAGES pages (default 1,000) of 150-400 KiB. A page is a JPEG header
(enough for the header probe) followed by incompressible bytes, like the
photographic pages of real comics.

    make_cbr.py OUTDIR [PAGES]
"""
import os
import random
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests', 'fixtures'))
from image_fixtures import jpeg_bytes  # noqa: E402


def main():
    out = os.path.abspath(sys.argv[1])
    pages = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    stage = os.path.join(out, 'pages')
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(stage)
    rng = random.Random(1000)
    names = []
    for i in range(1, pages + 1):
        header = jpeg_bytes(1600 + i % 7, 2400 + i % 11)[:-2]
        size = rng.randint(150 * 1024, 400 * 1024)
        names.append('page%04d.jpg' % i)
        with open(os.path.join(stage, names[-1]), 'wb') as f:
            f.write(header + rng.randbytes(size - len(header) - 2) + b'\xff\xd9')
    for archive, switches in (('nonsolid.cbr', []), ('solid.cbr', ['-s'])):
        subprocess.run(['rar', 'a', '-idq', '-y', *switches, os.path.join(out, archive), *names],
                       cwd=stage, check=True)
    shutil.rmtree(stage)


if __name__ == '__main__':
    main()
