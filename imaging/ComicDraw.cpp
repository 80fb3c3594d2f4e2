// Comic pages in the paint bitmap. The decoder already delivers pages at the
// drawn size whenever they are drawn smaller than their natural size, so
// the common case is a plain row copy; only pages drawn larger than their
// image are enlarged here, bilinearly in 16.16 fixed point.
#include <windows.h>

#include "ComicDraw.h"
#include "PageImages.h"

#define FIXED_ONE  65536
#define FIXED_HALF 32768

int ClipPage(int bitmapWidth, int bitmapHeight, int x, int y, int w, int h, ClipRect *clip)
{
    // In 64 bits: a page far down the strip must not wrap around.
    int64_t right = (int64_t)x + w;
    int64_t bottom = (int64_t)y + h;
    clip->x0 = x > 0 ? x : 0;
    clip->y0 = y > 0 ? y : 0;
    clip->x1 = right < bitmapWidth ? (int)right : bitmapWidth;
    clip->y1 = bottom < bitmapHeight ? (int)bottom : bitmapHeight;
    return clip->x0 < clip->x1 && clip->y0 < clip->y1;
}

void DrawPagePlaceholder(BYTE *bits, int bitmapWidth, int bitmapHeight, int x, int y, int w, int h)
{
    ClipRect c;
    if (!ClipPage(bitmapWidth, bitmapHeight, x, y, w, h, &c)) return;
    for (int r = c.y0; r < c.y1; r++) {
        memset(bits + ((SIZE_T)r * bitmapWidth + c.x0) * 4, PAGE_PLACEHOLDER_BYTE, (SIZE_T)(c.x1 - c.x0) * 4);
    }
}

// Source position of destination pixel d of a span of `drawn` pixels over
// `size` source pixels, with the pixel centres aligned: integer part in
// *index, 16-bit fraction in *fraction, clamped to the image.
// The quotient (2d + 1) * size * 65536 / (2 * drawn) is taken in two steps,
// whole part then remainder, which gives the same value as one division but
// cannot overflow 64 bits for wide pages drawn far down a long strip.
static void SourcePosition(int64_t d, int64_t size, int64_t drawn, int *index, int *fraction)
{
    uint64_t numerator = (uint64_t)(2 * d + 1) * (uint64_t)size;
    uint64_t denominator = (uint64_t)(2 * drawn);
    uint64_t whole = numerator / denominator;
    uint64_t rest = numerator % denominator;
    int64_t s = (int64_t)(whole * FIXED_ONE + rest * FIXED_ONE / denominator) - FIXED_HALF;
    if (s < 0) s = 0;
    int64_t i = s >> 16;
    int f = (int)(s & 0xFFFF);
    if (i >= size - 1) {
        i = size - 1;
        f = 0;
    }
    *index = (int)i;
    *fraction = f;
}

// One channel blended between four neighbours.
static BYTE Bilinear(int p00, int p01, int p10, int p11, int fx, int fy)
{
    int top = p00 + (((p01 - p00) * fx) >> 16);
    int bottom = p10 + (((p11 - p10) * fx) >> 16);
    return (BYTE)(top + (((bottom - top) * fy) >> 16));
}

static void ScaleRows(const BYTE *image, int dw, int dh, BYTE *bits, int bitmapWidth, const ClipRect *c, int x, int y,
                      int w, int h)
{
    SIZE_T stride = (SIZE_T)dw * 4;
    for (int r = c->y0; r < c->y1; r++) {
        int iy, fy;
        SourcePosition(r - y, dh, h, &iy, &fy);
        int iy2 = iy < dh - 1 ? iy + 1 : iy;
        const BYTE *row0 = image + (SIZE_T)iy * stride;
        const BYTE *row1 = image + (SIZE_T)iy2 * stride;
        BYTE *out = bits + ((SIZE_T)r * bitmapWidth + c->x0) * 4;
        for (int col = c->x0; col < c->x1; col++, out += 4) {
            int ix, fx;
            SourcePosition(col - x, dw, w, &ix, &fx);
            int ix2 = ix < dw - 1 ? ix + 1 : ix;
            const BYTE *p00 = row0 + (SIZE_T)ix * 4;
            const BYTE *p01 = row0 + (SIZE_T)ix2 * 4;
            const BYTE *p10 = row1 + (SIZE_T)ix * 4;
            const BYTE *p11 = row1 + (SIZE_T)ix2 * 4;
            for (int k = 0; k < 3; k++) out[k] = Bilinear(p00[k], p01[k], p10[k], p11[k], fx, fy);
            out[3] = 255;
        }
    }
}

void DrawPageImage(const BYTE *image, int dw, int dh, BYTE *bits, int bitmapWidth, int bitmapHeight, int x, int y,
                   int w, int h)
{
    ClipRect c;
    if (!ClipPage(bitmapWidth, bitmapHeight, x, y, w, h, &c)) return;
    if (dw == w && dh == h) {
        for (int r = c.y0; r < c.y1; r++) {
            memcpy(bits + ((SIZE_T)r * bitmapWidth + c.x0) * 4, image + ((SIZE_T)(r - y) * dw + (c.x0 - x)) * 4,
                   (SIZE_T)(c.x1 - c.x0) * 4);
        }
        return;
    }
    ScaleRows(image, dw, dh, bits, bitmapWidth, &c, x, y, w, h);
}

void DrawComicPage(ComicBook *comic, int page, void *bits, int bitmapWidth, int bitmapHeight, int x, int y, int w,
                   int h)
{
    ClipRect c;
    if (!ClipPage(bitmapWidth, bitmapHeight, x, y, w, h, &c)) return;
    int dw, dh;
    PageDecodeSize(comic, page, w, h, &dw, &dh);
    PageImageSlot *slot = GetPageImage(comic, page, dw, dh);
    if (!slot) {
        DrawPagePlaceholder((BYTE *)bits, bitmapWidth, bitmapHeight, x, y, w, h);
        return;
    }
    DrawPageImage(slot->pixels, dw, dh, (BYTE *)bits, bitmapWidth, bitmapHeight, x, y, w, h);
}
