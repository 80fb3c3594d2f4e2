// Helpers for the image pipeline tests: books built from fixture images,
// the worker's message pump, heap and GDI counters, and a WIC factory that
// counts and can fail the objects it creates.
#pragma once
#include <windows.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "archive/ComicBook.h"

// Bytes of a file under FOLIVEX_FIXTURES (empty when missing).
std::string ReadFixture(const char* relativePath);

// A book whose pages are the given image files, stored uncompressed in
// memory the book owns. Sizes come from the header probe where it can read
// them, else stay 0. Release with FreeComicBook.
ComicBook* MakeBook(const std::vector<std::string>& images);

// A comic fixture opened the way the program does, with its mapping.
struct MappedComic {
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE mapping = nullptr;
    const BYTE* view = nullptr;
    ComicBook* book = nullptr;
    int error = -1;
};
bool OpenFixtureComic(const char* relativePath, MappedComic* comic);
void CloseFixtureComic(MappedComic* comic);  // frees the book, then unmaps

// Creates the hidden window that stands for MainWindow, once.
void EnsureMainWindow();

// Handles WM_APP_PAGE_DECODED messages until no job is outstanding, or
// fails the test after a long wait.
void PumpUntilIdle();

// Busy blocks of the process heap and GDI objects of the process.
size_t BusyHeapBlocks();
DWORD GdiObjects();

// Calls of the thumbnail hook.
struct ThumbCall {
    int page;
    HBITMAP bitmap;
    int succeeded;
};
extern std::vector<ThumbCall> ThumbCalls;

// The pixel at (x, y) of a BGRA buffer, as 0xAARRGGBB.
inline DWORD PixelAt(const BYTE* pixels, int width, int x, int y) {
    const BYTE* p = pixels + ((size_t)y * width + x) * 4;
    return (DWORD)p[3] << 24 | (DWORD)p[2] << 16 | (DWORD)p[1] << 8 | p[0];
}

// A WIC factory that forwards to a real one, counts what it creates, keeps
// an extra reference to each stream, decoder, scaler and converter so that
// the test can check they were all released, and can fail the first
// scaler or converter creation on request.
struct CountingFactory : public IWICImagingFactory {
    IWICImagingFactory* inner;
    LONG refs = 1;
    int scalers = 0, converters = 0, streams = 0, decoders = 0;
    int failFirstScaler = 0, failFirstConverter = 0, failAllConverters = 0;
    std::vector<IUnknown*> kept;

    explicit CountingFactory(IWICImagingFactory* real) : inner(real) {}
    // Releases the kept references; returns how many objects were still
    // referenced by someone else (0 when the decoder released everything).
    int ReleaseKept();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE CreateDecoderFromFilename(LPCWSTR a, const GUID* b, DWORD c, WICDecodeOptions d,
                                                        IWICBitmapDecoder** e) override {
        return inner->CreateDecoderFromFilename(a, b, c, d, e);
    }
    HRESULT STDMETHODCALLTYPE CreateDecoderFromStream(IStream* a, const GUID* b, WICDecodeOptions c,
                                                      IWICBitmapDecoder** d) override;
    HRESULT STDMETHODCALLTYPE CreateDecoderFromFileHandle(ULONG_PTR a, const GUID* b, WICDecodeOptions c,
                                                          IWICBitmapDecoder** d) override {
        return inner->CreateDecoderFromFileHandle(a, b, c, d);
    }
    HRESULT STDMETHODCALLTYPE CreateComponentInfo(REFCLSID a, IWICComponentInfo** b) override {
        return inner->CreateComponentInfo(a, b);
    }
    HRESULT STDMETHODCALLTYPE CreateDecoder(REFGUID a, const GUID* b, IWICBitmapDecoder** c) override {
        return inner->CreateDecoder(a, b, c);
    }
    HRESULT STDMETHODCALLTYPE CreateEncoder(REFGUID a, const GUID* b, IWICBitmapEncoder** c) override {
        return inner->CreateEncoder(a, b, c);
    }
    HRESULT STDMETHODCALLTYPE CreatePalette(IWICPalette** a) override { return inner->CreatePalette(a); }
    HRESULT STDMETHODCALLTYPE CreateFormatConverter(IWICFormatConverter** a) override;
    HRESULT STDMETHODCALLTYPE CreateBitmapScaler(IWICBitmapScaler** a) override;
    HRESULT STDMETHODCALLTYPE CreateBitmapClipper(IWICBitmapClipper** a) override {
        return inner->CreateBitmapClipper(a);
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFlipRotator(IWICBitmapFlipRotator** a) override {
        return inner->CreateBitmapFlipRotator(a);
    }
    HRESULT STDMETHODCALLTYPE CreateStream(IWICStream** a) override;
    HRESULT STDMETHODCALLTYPE CreateColorContext(IWICColorContext** a) override {
        return inner->CreateColorContext(a);
    }
    HRESULT STDMETHODCALLTYPE CreateColorTransformer(IWICColorTransform** a) override {
        return inner->CreateColorTransformer(a);
    }
    HRESULT STDMETHODCALLTYPE CreateBitmap(UINT a, UINT b, REFWICPixelFormatGUID c, WICBitmapCreateCacheOption d,
                                           IWICBitmap** e) override {
        return inner->CreateBitmap(a, b, c, d, e);
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromSource(IWICBitmapSource* a, WICBitmapCreateCacheOption b,
                                                     IWICBitmap** c) override {
        return inner->CreateBitmapFromSource(a, b, c);
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromSourceRect(IWICBitmapSource* a, UINT b, UINT c, UINT d, UINT e,
                                                         IWICBitmap** f) override {
        return inner->CreateBitmapFromSourceRect(a, b, c, d, e, f);
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromMemory(UINT a, UINT b, REFWICPixelFormatGUID c, UINT d, UINT e,
                                                     BYTE* f, IWICBitmap** g) override {
        return inner->CreateBitmapFromMemory(a, b, c, d, e, f, g);
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromHBITMAP(HBITMAP a, HPALETTE b, WICBitmapAlphaChannelOption c,
                                                      IWICBitmap** d) override {
        return inner->CreateBitmapFromHBITMAP(a, b, c, d);
    }
    HRESULT STDMETHODCALLTYPE CreateBitmapFromHICON(HICON a, IWICBitmap** b) override {
        return inner->CreateBitmapFromHICON(a, b);
    }
    HRESULT STDMETHODCALLTYPE CreateComponentEnumerator(DWORD a, DWORD b, IEnumUnknown** c) override {
        return inner->CreateComponentEnumerator(a, b, c);
    }
    HRESULT STDMETHODCALLTYPE CreateFastMetadataEncoderFromDecoder(IWICBitmapDecoder* a,
                                                                   IWICFastMetadataEncoder** b) override {
        return inner->CreateFastMetadataEncoderFromDecoder(a, b);
    }
    HRESULT STDMETHODCALLTYPE CreateFastMetadataEncoderFromFrameDecode(IWICBitmapFrameDecode* a,
                                                                       IWICFastMetadataEncoder** b) override {
        return inner->CreateFastMetadataEncoderFromFrameDecode(a, b);
    }
    HRESULT STDMETHODCALLTYPE CreateQueryWriter(REFGUID a, const GUID* b, IWICMetadataQueryWriter** c) override {
        return inner->CreateQueryWriter(a, b, c);
    }
    HRESULT STDMETHODCALLTYPE CreateQueryWriterFromReader(IWICMetadataQueryReader* a, const GUID* b,
                                                          IWICMetadataQueryWriter** c) override {
        return inner->CreateQueryWriterFromReader(a, b, c);
    }
};
