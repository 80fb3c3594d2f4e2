// Stand-ins for the parts of the program the image pipeline reads (the
// shell's windows and library lookup, the open document, the view state,
// the thumbnail panel) and the helpers of the image pipeline tests.
#include "ImagingSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "app/Shell.h"
#include "archive/EntryFilter.h"
#include "imaging/PageImages.h"
#include "view/Document.h"
#include "view/Layout.h"

std::vector<ThumbCall> ThumbCalls;

// The panel would keep the bitmap; the tests only need to know it came.
static void RecordThumb(int page, HBITMAP bitmap, int succeeded) {
    ThumbCalls.push_back({page, bitmap, succeeded});
    DeleteObject(bitmap);
}

std::string ReadFixture(const char* relativePath) {
    const char* root = getenv("FOLIVEX_FIXTURES");
    std::string path = std::string(root ? root : ".") + "\\" + relativePath;
    for (char& c : path)
        if (c == '/') c = '\\';
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string data;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
    CloseHandle(file);
    return data;
}

ComicBook* MakeBook(const std::vector<std::string>& images) {
    HANDLE heap = GetProcessHeap();
    ComicBook* book = (ComicBook*)HeapAlloc(heap, HEAP_ZERO_MEMORY, sizeof(ComicBook));
    book->entryCount = (int32_t)images.size();
    book->entries = (ArchiveEntry*)HeapAlloc(heap, HEAP_ZERO_MEMORY, sizeof(ArchiveEntry) * (images.size() + 1));
    for (size_t i = 0; i < images.size(); i++) {
        ArchiveEntry* e = &book->entries[i];
        e->ownedData = (BYTE*)HeapAlloc(heap, 0, images[i].size() + 1);
        memcpy(e->ownedData, images[i].data(), images[i].size());
        e->data = e->ownedData;
        e->packedSize = e->unpackedSize = images[i].size();
        e->method = METHOD_STORED;
        int32_t w = 0, h = 0;
        if (ProbeImageSize(e->data, e->packedSize, &w, &h)) {
            e->width = w;
            e->height = h;
        }
    }
    book->typicalHeight = DEFAULT_TYPICAL_HEIGHT;
    return book;
}

bool OpenFixtureComic(const char* relativePath, MappedComic* comic) {
    const char* root = getenv("FOLIVEX_FIXTURES");
    std::string path = std::string(root ? root : ".") + "\\" + relativePath;
    for (char& c : path)
        if (c == '/') c = '\\';
    comic->file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (comic->file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    GetFileSizeEx(comic->file, &size);
    comic->mapping = CreateFileMappingW(comic->file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!comic->mapping) return false;
    comic->view = (const BYTE*)MapViewOfFile(comic->mapping, FILE_MAP_READ, 0, 0, 0);
    if (!comic->view) return false;
    wchar_t widePath[260];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, 260);
    comic->book = OpenComicBook(DetectArchiveKind(comic->view, (uint64_t)size.QuadPart), widePath, comic->view,
                                (uint64_t)size.QuadPart, &comic->error);
    return comic->book != nullptr;
}

void CloseFixtureComic(MappedComic* comic) {
    FreeComicBook(comic->book);
    comic->book = nullptr;
    if (comic->view) UnmapViewOfFile(comic->view);
    if (comic->mapping) CloseHandle(comic->mapping);
    if (comic->file != INVALID_HANDLE_VALUE) CloseHandle(comic->file);
    comic->view = nullptr;
    comic->mapping = nullptr;
    comic->file = INVALID_HANDLE_VALUE;
}

void EnsureMainWindow() {
    if (MainWindow) return;
    ThumbDecodedHook = RecordThumb;
    InstallComicImaging();
    MainWindow = CreateWindowExW(0, L"STATIC", L"main", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(MainWindow != nullptr);
}

void PumpUntilIdle() {
    DWORD start = GetTickCount();
    while (IsDecodeBusy()) {
        MSG msg;
        if (PeekMessageW(&msg, MainWindow, WM_APP_PAGE_DECODED, WM_APP_PAGE_DECODED, PM_REMOVE)) {
            OnPageDecoded(msg.lParam);
            continue;
        }
        if (GetTickCount() - start > 60000) {
            ADD_FAILURE() << "the decode worker did not report back";
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE);
    }
}

size_t BusyHeapBlocks() {
    HANDLE heap = GetProcessHeap();
    size_t busy = 0;
    HeapLock(heap);
    PROCESS_HEAP_ENTRY entry;
    entry.lpData = nullptr;
    while (HeapWalk(heap, &entry)) {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) busy++;
    }
    HeapUnlock(heap);
    return busy;
}

DWORD GdiObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

HRESULT CountingFactory::QueryInterface(REFIID riid, void** out) {
    *out = nullptr;
    if (IsEqualGUID(riid, __uuidof(IUnknown)) || IsEqualGUID(riid, __uuidof(IWICImagingFactory))) {
        *out = this;
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT CountingFactory::CreateDecoderFromStream(IStream* a, const GUID* b, WICDecodeOptions c,
                                                 IWICBitmapDecoder** d) {
    HRESULT hr = inner->CreateDecoderFromStream(a, b, c, d);
    if (SUCCEEDED(hr)) {
        decoders++;
        (*d)->AddRef();
        kept.push_back(*d);
    }
    return hr;
}

HRESULT CountingFactory::CreateFormatConverter(IWICFormatConverter** a) {
    if (failAllConverters || (failFirstConverter && converters == 0)) {
        converters++;
        *a = nullptr;
        return E_FAIL;
    }
    HRESULT hr = inner->CreateFormatConverter(a);
    converters++;
    if (SUCCEEDED(hr)) {
        (*a)->AddRef();
        kept.push_back(*a);
    }
    return hr;
}

HRESULT CountingFactory::CreateBitmapScaler(IWICBitmapScaler** a) {
    if (failFirstScaler && scalers == 0) {
        scalers++;
        *a = nullptr;
        return E_FAIL;
    }
    HRESULT hr = inner->CreateBitmapScaler(a);
    scalers++;
    if (SUCCEEDED(hr)) {
        (*a)->AddRef();
        kept.push_back(*a);
    }
    return hr;
}

HRESULT CountingFactory::CreateStream(IWICStream** a) {
    HRESULT hr = inner->CreateStream(a);
    if (SUCCEEDED(hr)) {
        streams++;
        (*a)->AddRef();
        kept.push_back(*a);
    }
    return hr;
}

int CountingFactory::ReleaseKept() {
    int stillHeld = 0;
    // Newest first: a scaler holds its source, a decoder its stream.
    for (size_t i = kept.size(); i-- > 0;) {
        if (kept[i]->Release() != 0) stillHeld++;
    }
    kept.clear();
    return stillHeld;
}
