// Comic page images turned into pixels by the Windows Imaging Component.
//
// Every decoded image has the same layout as the view's paint bitmap and
// the PDF engine's bitmaps: four bytes per pixel in the order blue, green,
// red, opaque fourth byte, rows top-down, stride exactly width * 4.
#ifndef FOLIVEX_IMAGING_DECODE_H
#define FOLIVEX_IMAGING_DECODE_H

#include <windows.h>
#include <wincodec.h>
#include <stdint.h>

#include "../archive/ComicBook.h"

// COM apartment flags of the two decoding threads.
#define IMAGING_COINIT_UI     6 // apartment-threaded, no OLE1 DDE
#define IMAGING_COINIT_WORKER 0 // multithreaded

// The largest image a print decode asks for, in pixels.
#define MAX_PRINT_PIXELS 100000000

// The largest natural image size any decode accepts, in pixels (2^28, for
// instance 16384 x 16384). Decoders hold the whole natural image before it
// is scaled to the view, so a few kilobytes of deflated zeros can ask for
// gigabytes; real pages, large double-page scans included, stay under 100
// megapixels, and at 4 bytes a pixel this bounds a decode near 1 GiB.
#define MAX_NATURAL_PIXELS 0x10000000ull

// The largest pixel buffer any decode fills: WIC takes the buffer size as a
// 32-bit count.
#define MAX_IMAGE_BUFFER_BYTES 0xFFFFFFFFull

// The UI thread's factory, created on first use and kept for the life of the
// process; null until then or while its creation keeps failing.
extern IWICImagingFactory *UiImagingFactory;

// Initialises COM on the calling thread with the given flags and creates a
// WIC factory for that thread. Null when ole32 or WIC is missing.
IWICImagingFactory *CreateImagingFactory(DWORD coinitFlags);

// The UI thread's factory, created now if it does not exist yet.
IWICImagingFactory *GetUiImagingFactory(void);

// Bytes of a width x height pixel buffer in 64 bits; 0 when either side is
// not positive or the buffer would be too large for WIC to fill.
uint64_t ImageBufferBytes(int32_t width, int32_t height);

// Decodes frame 0 of an entry. With pixels null only the natural size is
// reported (through outWidth/outHeight when given); otherwise the image is
// scaled to targetWidth x targetHeight, converted and flattened onto white
// into pixels (targetWidth * targetHeight * 4 bytes). 1 on success, 0 on any
// failure; nothing is kept or leaked either way.
int DecodeImage(IWICImagingFactory *factory, const ArchiveEntry *entry, int32_t targetWidth, int32_t targetHeight,
                BYTE *pixels, UINT *outWidth, UINT *outHeight);

// Size of an entry that the header probe could not measure, learnt by a
// size-only decode. On success sets width and height; when the decoder fails
// sets undecodable. The comic model reaches it through ComicMeasureHook.
void MeasureEntryWithDecoder(ArchiveEntry *entry);

// Nonzero when an image of this natural size is beyond MAX_NATURAL_PIXELS;
// such a page is never handed to a decoder and shows as undecodable.
int IsImageTooLarge(uint64_t width, uint64_t height);

// Composites premultiplied BGRA pixels over white so every pixel is opaque.
void FlattenOntoWhite(BYTE *pixels, uint64_t pixelCount);

// The size a print decode asks for: the natural size halved until it holds
// at most MAX_PRINT_PIXELS pixels.
void PrintDecodeSize(int32_t width, int32_t height, int32_t *outWidth, int32_t *outHeight);

// A page's image for printing, at its natural size (reduced as above), in a
// new process-heap buffer the caller frees; null when the page cannot be
// decoded. Never marks the page undecodable.
BYTE *DecodeImageForPrint(ComicBook *comic, int page, int *outWidth, int *outHeight);

// Decodes the entry at width x height, on the UI thread, into a new heap
// buffer. Null when no buffer of that size can exist or be had (leaving
// *decodeFailed alone) or when the decoder fails (setting it to 1).
BYTE *DecodeIntoNewBuffer(const ArchiveEntry *entry, int32_t width, int32_t height, int *decodeFailed);

#endif
