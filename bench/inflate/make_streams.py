"""Real-world raw Deflate streams for the inflate benchmark, written as
<outdir>/<name>.bin (the stream) and <outdir>/<name>.out (its bytes):

  text    the first 640 KiB of the coreutils manual (Debian's info text)
  pixels  a page of that manual rendered by ImageMagick, as a 24-bit BMP
  png     the IDAT stream of a photo-like truecolour PNG written by ImageMagick
  random  1 MiB of pseudo-random bytes (stored blocks)

All are compressed by zlib at level 6 (ImageMagick's "-quality 65" is level
6 with adaptive filters).  Nothing here is committed: run.sh makes it.
"""
import gzip
import os
import random
import struct
import subprocess
import sys
import tempfile
import zlib

MANUAL = '/usr/share/info/coreutils.info.gz'


def raw_deflate(data):
    c = zlib.compressobj(6, zlib.DEFLATED, -15)
    return c.compress(data) + c.flush()


def manual_text():
    if not os.path.exists(MANUAL):
        sys.exit('missing %s (Debian package coreutils, with its info manual)' % MANUAL)
    with gzip.open(MANUAL, 'rb') as f:
        return f.read()[:640 * 1024]


def render_page(text):
    """A 850 x 1100 page (US letter at 100 dpi) of the manual's text, one
    line drawn at a time, 24 bits per pixel."""
    lines = text.decode('utf-8', 'replace').splitlines()[5000:5072]
    command = ['convert', '-size', '850x1100', 'xc:white', '-font', 'DejaVu-Sans', '-pointsize', '12', '-fill', 'black']
    for row, line in enumerate(lines):
        command += ['-annotate', '+60+%d' % (70 + 13 * row), line.expandtabs().replace('%', '%%') or ' ']
    command += ['-type', 'TrueColor', 'BMP3:-']
    bmp = subprocess.run(command, check=True, stdout=subprocess.PIPE).stdout
    if struct.unpack_from('<H', bmp, 28)[0] != 24:
        sys.exit('ImageMagick did not write a 24-bit BMP')
    return bmp


def png_idat(folder):
    """The raw Deflate inside a PNG's IDAT chunks (zlib header and checksum
    removed), and the filtered scanlines it holds."""
    png = os.path.join(folder, 'photo.png')
    subprocess.run(['convert', '-size', '1200x900', '-seed', '7', 'plasma:fractal', '-blur', '0x1.5',
                    '-quality', '65', 'PNG24:' + png], check=True)
    with open(png, 'rb') as f:
        data = f.read()
    pos, idat = 8, b''
    while pos < len(data):
        length, kind = struct.unpack_from('>I4s', data, pos)
        if kind == b'IDAT':
            idat += data[pos + 8:pos + 8 + length]
        pos += 12 + length
    return idat[2:-4], zlib.decompress(idat)


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    text = manual_text()
    pixels = render_page(text)
    with tempfile.TemporaryDirectory() as folder:
        png_stream, scanlines = png_idat(folder)
    noise = random.Random(16).randbytes(1 << 20)
    streams = {
        'text': (raw_deflate(text), text),
        'pixels': (raw_deflate(pixels), pixels),
        'png': (png_stream, scanlines),
        'random': (raw_deflate(noise), noise),
    }
    for name, (stream, expected) in streams.items():
        for suffix, data in (('.bin', stream), ('.out', expected)):
            with open(os.path.join(outdir, name + suffix), 'wb') as f:
                f.write(data)


if __name__ == '__main__':
    main(sys.argv[1])
