// Image decoding through the Windows Imaging Component.
//
// ole32 is looked up when the first factory is made, so the program does
// not import it and starts without loading COM. Each thread that decodes
// has its own factory; a factory is never shared between threads.
#include <windows.h>
#include <wincodec.h>

#include "../app/Shell.h"
#include "Decode.h"

// The class, interface and pixel format identifiers used here, spelled out
// so that no GUID library has to be linked.
static const GUID ClsidWicImagingFactory = {
    0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
static const GUID IidWicImagingFactory = {0xec5ec8a9, 0xc395, 0x4314, {0x9c, 0x77, 0x54, 0xd7, 0xa9, 0x35, 0xff, 0x70}};
static const GUID PixelFormat32bppPBGRA = {
    0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x10}};

typedef HRESULT(WINAPI *CoInitializeExProc)(LPVOID, DWORD);
typedef HRESULT(WINAPI *CoCreateInstanceProc)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID *);

IWICImagingFactory *UiImagingFactory;

IWICImagingFactory *CreateImagingFactory(DWORD coinitFlags)
{
    CoInitializeExProc coInitializeEx =
        (CoInitializeExProc)(void (*)(void))GetProcFromLibrary("ole32", "CoInitializeEx");
    CoCreateInstanceProc coCreateInstance =
        (CoCreateInstanceProc)(void (*)(void))GetProcFromLibrary("ole32", "CoCreateInstance");
    if (!coInitializeEx || !coCreateInstance) return NULL;
    // The thread may already be initialised (also in another apartment
    // model); the factory is made either way.
    coInitializeEx(NULL, coinitFlags);
    IWICImagingFactory *factory = NULL;
    HRESULT hr =
        coCreateInstance(ClsidWicImagingFactory, NULL, CLSCTX_INPROC_SERVER, IidWicImagingFactory, (LPVOID *)&factory);
    if (FAILED(hr)) return NULL;
    return factory;
}

IWICImagingFactory *GetUiImagingFactory(void)
{
    if (!UiImagingFactory) UiImagingFactory = CreateImagingFactory(IMAGING_COINIT_UI);
    return UiImagingFactory;
}

uint64_t ImageBufferBytes(int32_t width, int32_t height)
{
    if (width < 1 || height < 1) return 0;
    uint64_t bytes = (uint64_t)width * (uint64_t)height * 4;
    return bytes <= MAX_IMAGE_BUFFER_BYTES ? bytes : 0;
}

int IsImageTooLarge(uint64_t width, uint64_t height)
{
    return width * height > MAX_NATURAL_PIXELS;
}

void FlattenOntoWhite(BYTE *pixels, uint64_t pixelCount)
{
    for (uint64_t i = 0; i < pixelCount; i++) {
        BYTE *p = pixels + i * 4;
        if (p[3] == 255) continue;
        // Premultiplied colour never exceeds its alpha, so adding the
        // missing coverage in white cannot overflow.
        BYTE k = (BYTE)(255 - p[3]);
        p[0] = (BYTE)(p[0] + k);
        p[1] = (BYTE)(p[1] + k);
        p[2] = (BYTE)(p[2] + k);
        p[3] = 255;
    }
}

// Wraps source in a Fant scaler to width x height. The new source is
// returned through scaled; null on failure.
static IWICBitmapSource *ScaleSource(IWICImagingFactory *factory, IWICBitmapSource *source, UINT width, UINT height,
                                     IWICBitmapScaler **scaler)
{
    if (FAILED(factory->CreateBitmapScaler(scaler))) {
        *scaler = NULL;
        return NULL;
    }
    if (FAILED((*scaler)->Initialize(source, width, height, WICBitmapInterpolationModeFant))) return NULL;
    return *scaler;
}

// Wraps source in a converter to 32-bit premultiplied BGRA; null on failure.
static IWICBitmapSource *ConvertSource(IWICImagingFactory *factory, IWICBitmapSource *source,
                                       IWICFormatConverter **converter)
{
    if (FAILED(factory->CreateFormatConverter(converter))) {
        *converter = NULL;
        return NULL;
    }
    if (FAILED((*converter)
                   ->Initialize(source, PixelFormat32bppPBGRA, WICBitmapDitherTypeNone, NULL, 0.0,
                                WICBitmapPaletteTypeCustom)))
        return NULL;
    return *converter;
}

// One attempt at filling pixels from the frame: scale then convert, or with
// convertFirst the other way round, since some formats can be scaled only
// after conversion. Releases what it created, whatever the outcome.
static int CopyFramePixels(IWICImagingFactory *factory, IWICBitmapFrameDecode *frame, int convertFirst, int scale,
                           UINT width, UINT height, BYTE *pixels, UINT bufferBytes)
{
    IWICBitmapScaler *scaler = NULL;
    IWICFormatConverter *converter = NULL;
    IWICBitmapSource *source = frame;
    if (convertFirst) {
        source = ConvertSource(factory, source, &converter);
        if (source && scale) source = ScaleSource(factory, source, width, height, &scaler);
    } else {
        if (scale) source = ScaleSource(factory, source, width, height, &scaler);
        if (source) source = ConvertSource(factory, source, &converter);
    }
    int ok = source && SUCCEEDED(source->CopyPixels(NULL, width * 4, bufferBytes, pixels));
    if (scaler) scaler->Release();
    if (converter) converter->Release();
    return ok;
}

// Decodes from the bytes of an entry already in memory; the caller frees
// the bytes. Every interface obtained here is released before returning.
static int DecodeBytes(IWICImagingFactory *factory, const BYTE *bytes, uint64_t size, int32_t targetWidth,
                       int32_t targetHeight, BYTE *pixels, UINT *outWidth, UINT *outHeight)
{
    // The memory stream takes a 32-bit size: a larger entry is refused
    // rather than decoded from a cut-off copy of itself.
    if (size == 0 || size > 0xFFFFFFFFull) return 0;
    uint64_t bufferBytes = 0;
    if (pixels) {
        bufferBytes = ImageBufferBytes(targetWidth, targetHeight);
        if (!bufferBytes) return 0;
    }

    int ok = 0;
    IWICStream *stream = NULL;
    IWICBitmapDecoder *decoder = NULL;
    IWICBitmapFrameDecode *frame = NULL;
    UINT width = 0, height = 0;
    if (FAILED(factory->CreateStream(&stream))) stream = NULL;
    if (!stream || FAILED(stream->InitializeFromMemory((BYTE *)bytes, (DWORD)size))) goto done;
    if (FAILED(factory->CreateDecoderFromStream(stream, NULL, WICDecodeMetadataCacheOnDemand, &decoder))) {
        decoder = NULL;
        goto done;
    }
    // Only the first frame: an animated GIF shows its first picture.
    if (FAILED(decoder->GetFrame(0, &frame))) {
        frame = NULL;
        goto done;
    }
    // Formats the header probe does not know reach this point unmeasured.
    if (FAILED(frame->GetSize(&width, &height)) || IsImageTooLarge(width, height)) goto done;
    if (outWidth) {
        *outWidth = width;
        *outHeight = height;
    }
    if (!pixels) {
        ok = 1;
        goto done;
    }
    {
        int scale = (UINT)targetWidth != width || (UINT)targetHeight != height;
        ok =
            CopyFramePixels(factory, frame, 0, scale, (UINT)targetWidth, (UINT)targetHeight, pixels,
                            (UINT)bufferBytes) ||
            CopyFramePixels(factory, frame, 1, scale, (UINT)targetWidth, (UINT)targetHeight, pixels, (UINT)bufferBytes);
    }
    if (ok) FlattenOntoWhite(pixels, bufferBytes / 4);
done:
    if (frame) frame->Release();
    if (decoder) decoder->Release();
    if (stream) stream->Release();
    return ok;
}

int DecodeImage(IWICImagingFactory *factory, const ArchiveEntry *entry, int32_t targetWidth, int32_t targetHeight,
                BYTE *pixels, UINT *outWidth, UINT *outHeight)
{
    // Refused before its bytes are read or a decoder exists: some decoders
    // allocate the whole image as soon as they are created.
    if (IsImageTooLarge((uint64_t)(uint32_t)entry->width, (uint64_t)(uint32_t)entry->height)) return 0;
    uint64_t size = 0;
    BYTE *owned = NULL;
    const BYTE *bytes = ReadEntryBytes(entry, 0, &size, &owned);
    int ok = 0;
    if (bytes && factory)
        ok = DecodeBytes(factory, bytes, size, targetWidth, targetHeight, pixels, outWidth, outHeight);
    if (owned) HeapFree(GetProcessHeap(), 0, owned);
    return ok;
}

// The page list builder asks here for the size of an entry whose header the
// probe could not read. A size that does not fit the entry's fields counts
// as a failure, like an image WIC cannot open.
void MeasureEntryWithDecoder(ArchiveEntry *entry)
{
    UINT width = 0, height = 0;
    if (DecodeImage(GetUiImagingFactory(), entry, 0, 0, NULL, &width, &height) && width >= 1 && height >= 1 &&
        width <= 0x7FFFFFFF && height <= 0x7FFFFFFF) {
        entry->width = (int32_t)width;
        entry->height = (int32_t)height;
        return;
    }
    entry->width = 0;
    entry->height = 0;
    entry->undecodable = 1;
}

void PrintDecodeSize(int32_t width, int32_t height, int32_t *outWidth, int32_t *outHeight)
{
    while ((int64_t)width * (int64_t)height > MAX_PRINT_PIXELS) {
        width /= 2;
        height /= 2;
    }
    *outWidth = width;
    *outHeight = height;
}

BYTE *DecodeImageForPrint(ComicBook *comic, int page, int *outWidth, int *outHeight)
{
    if (!comic || page < 0 || page >= comic->entryCount) return NULL;
    const ArchiveEntry *entry = &comic->entries[page];
    if (entry->undecodable || entry->width <= 0 || entry->height <= 0) return NULL;
    int32_t w = 0, h = 0;
    PrintDecodeSize(entry->width, entry->height, &w, &h);
    *outWidth = w;
    *outHeight = h;
    // A very thin image can halve down to nothing; there is nothing to print.
    int decodeFailed = 0;
    return DecodeIntoNewBuffer(entry, w, h, &decodeFailed);
}

BYTE *DecodeIntoNewBuffer(const ArchiveEntry *entry, int32_t width, int32_t height, int *decodeFailed)
{
    uint64_t bytes = ImageBufferBytes(width, height);
    BYTE *pixels = bytes ? (BYTE *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)bytes) : NULL;
    if (!pixels) return NULL;
    if (!DecodeImage(GetUiImagingFactory(), entry, width, height, pixels, NULL, NULL)) {
        HeapFree(GetProcessHeap(), 0, pixels);
        *decodeFailed = 1;
        return NULL;
    }
    return pixels;
}
