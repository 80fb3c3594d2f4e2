// Our glue around the PDF engine (pdfium_test.dll: the shipped pdfium.dll
// plus test hooks): trap containment, handles, how documents are read, our
// FPDF_RenderPage and the pause trampoline. PDFium's own behaviour (parsing,
// damaged files, passwords, text, links) is the reader tests' and the
// engine fuzzer's business.
#include <windows.h>

#include <string.h>

#include <climits>

#include "tests/unit/Support.h"
#include "view/Pdfium.h"

// Hooks of the engine's test variant, outside PDFium's interface.
extern "C" {
unsigned long long FPDF_CALLCONV FolivexEngine_MemoryBytes(void);
int FPDF_CALLCONV FolivexEngine_ForceTrap(int kind);
int FPDF_CALLCONV FolivexEngine_UsesGuardPages(void);
}

namespace
{

// The library stays initialised for the whole run, as in the reader.
const bool EngineStarted = (FPDF_InitLibrary(), true);

// A fixture opened from memory; the bytes outlive the document, which reads
// them on demand.
struct Doc {
    std::vector<BYTE> bytes;
    FPDF_DOCUMENT doc = NULL;
    explicit Doc(const char *name) : bytes(ReadFixture(name))
    {
        doc = FPDF_LoadMemDocument64(bytes.data(), bytes.size(), NULL);
    }
    ~Doc()
    {
        if (doc) FPDF_CloseDocument(doc);
    }
};

// Page `index` rendered onto white into a new width x height bitmap, in the
// box at (x, y) of sizeX x sizeY (the whole bitmap when sizeX is 0); or NULL.
FPDF_BITMAP Render(FPDF_DOCUMENT doc, int index, int width, int height, int flags, int x = 0, int y = 0, int sizeX = 0,
                   int sizeY = 0)
{
    FPDF_PAGE page = FPDF_LoadPage(doc, index);
    FPDF_BITMAP bitmap = page ? FPDFBitmap_Create(width, height, 0) : NULL;
    if (bitmap) {
        FPDFBitmap_FillRect(bitmap, 0, 0, width, height, 0xFFFFFFFF);
        FPDF_RenderPageBitmap(bitmap, page, x, y, sizeX ? sizeX : width, sizeX ? sizeY : height, 0, flags);
    }
    FPDF_ClosePage(page);
    return bitmap;
}

TEST(PdfEngine, TrapsFailTheirCallAndAFreshEngineStartsOnceDocumentsClose)
{
    EXPECT_EQ(FolivexEngine_UsesGuardPages(), 1);
    const char *kinds[] = {"out-of-bounds access", "unreachable", "call-depth exhaustion"};
    for (int kind = 0; kind < 3; kind++) {
        SCOPED_TRACE(kinds[kind]);
        std::vector<BYTE> bytes = ReadFixture("report.pdf");
        FPDF_DOCUMENT first = FPDF_LoadMemDocument64(bytes.data(), bytes.size(), NULL);
        FPDF_PAGE page = FPDF_LoadPage(first, 0);
        FPDF_BITMAP bitmap = FPDFBitmap_Create(50, 50, 0);
        ASSERT_TRUE(first && page && bitmap);

        EXPECT_EQ(FolivexEngine_ForceTrap(kind), 0);
        EXPECT_EQ(FPDF_GetPageCount(first), 0);
        EXPECT_EQ(FPDFText_LoadPage(page), nullptr);
        EXPECT_EQ(FPDFBitmap_GetBuffer(bitmap), nullptr);
        EXPECT_EQ(FPDF_RenderPageBitmap_Start(bitmap, page, 0, 0, 50, 50, 0, 0, NULL), FPDF_RENDER_FAILED);
        EXPECT_EQ(FPDF_GetLastError(), (unsigned long)FPDF_ERR_UNKNOWN);
        EXPECT_EQ(Doc("mixed.pdf").doc, nullptr); // not while the failed instance has documents
        FPDFBitmap_Destroy(bitmap);
        FPDF_ClosePage(page);
        FPDF_CloseDocument(first);

        Doc second("mixed.pdf");
        EXPECT_EQ(FPDF_GetPageCount(second.doc), 5);
        FPDF_BITMAP again = Render(second.doc, 0, 60, 85, FPDF_ANNOT);
        EXPECT_NE(again, nullptr);
        FPDFBitmap_Destroy(again);
        // Handles of the failed instance never reach the new one.
        EXPECT_EQ(FPDF_LoadPage(first, 0), nullptr);
        FPDF_CloseDocument(first);
        EXPECT_EQ(FPDF_GetPageCount(second.doc), 5);
    }
}

// The engine's file offsets are 32-bit: a larger document is refused before
// anything is read (the span is reserved, never committed). Documents are
// read on demand: 24 MB of file take far less of engine memory.
TEST(PdfEngine, DocumentsAreReadInPlaceAndFilesOf4GiBRefused)
{
    const size_t huge = (size_t)1 << 32;
    void *span = VirtualAlloc(NULL, huge, MEM_RESERVE, PAGE_NOACCESS);
    ASSERT_NE(span, nullptr);
    EXPECT_EQ(FPDF_LoadMemDocument64(span, huge, NULL), nullptr);
    EXPECT_EQ(FPDF_GetLastError(), (unsigned long)FPDF_ERR_FILE);
    VirtualFree(span, 0, MEM_RELEASE);

    unsigned long long before = FolivexEngine_MemoryBytes();
    Doc large("large-stream.pdf");
    FPDFBitmap_Destroy(Render(large.doc, 0, 100, 141, FPDF_ANNOT));
    EXPECT_LT(FolivexEngine_MemoryBytes() - before, large.bytes.size() / 4);
}

// A bitmap's pixels come from the engine's memory and go back with it: 40
// bitmaps of 64 MiB, one after another, would not fit in the engine's 2 GiB
// if one were kept. Sizes whose pixels cannot be counted are refused.
TEST(PdfEngine, BitmapsGiveTheirPixelsBackAndUncountableSizesAreRefused)
{
    unsigned long long before = FolivexEngine_MemoryBytes();
    for (int i = 0; i < 40; i++) {
        FPDF_BITMAP bitmap = FPDFBitmap_Create(4096, 4096, 0);
        ASSERT_NE(bitmap, nullptr) << "bitmap " << i;
        FPDFBitmap_Destroy(bitmap);
    }
    EXPECT_LT(FolivexEngine_MemoryBytes() - before, 80u << 20);
    const struct {
        int width, height;
    } refused[] = {{0, 10}, {10, 0}, {-5, 10}, {INT_MAX / 4 + 1, 1}, {32768, 32768}};
    for (auto &size : refused) {
        EXPECT_EQ(FPDFBitmap_Create(size.width, size.height, 0), nullptr) << size.width << " x " << size.height;
    }
}

// Fills of 32-bit bitmaps are stored by the glue itself, as the engine
// stores them (it never blends a fill): clipped to the bitmap, the colour
// made opaque on a bitmap without alpha, nothing outside the rectangle
// touched.
TEST(PdfEngine, FillsAreStoredClippedToTheBitmap)
{
    const uint32_t before = 0xFF111111, fill = 0x80AABBCC, opaque = 0xFFAABBCC;
    const struct {
        const char *what;
        int alpha, left, top, width, height;
        RECT filled; // pixels expected to hold the fill; the others keep `before`
        uint32_t stored;
    } rows[] = {
        {"inside", 0, 2, 1, 3, 2, {2, 1, 5, 3}, opaque},
        {"over the top-left corner", 0, -2, -1, 4, 3, {0, 0, 2, 2}, opaque},
        {"past the bottom-right corner", 0, 6, 2, 100, 100, {6, 2, 8, 4}, opaque},
        {"outside", 0, 8, 0, 5, 5, {0, 0, 0, 0}, opaque},
        {"negative size: left to the engine, which counts back", 0, 4, 2, -3, -2, {1, 0, 4, 2}, opaque},
        {"translucent on an alpha bitmap, stored as it is", 1, 0, 0, 8, 1, {0, 0, 8, 1}, fill},
    };
    for (auto &row : rows) {
        FPDF_BITMAP bitmap = FPDFBitmap_Create(8, 4, row.alpha);
        ASSERT_NE(bitmap, nullptr);
        FPDFBitmap_FillRect(bitmap, 0, 0, 8, 4, before);
        FPDFBitmap_FillRect(bitmap, row.left, row.top, row.width, row.height, fill);
        const uint32_t *pixels = (const uint32_t *)FPDFBitmap_GetBuffer(bitmap);
        int stride = FPDFBitmap_GetStride(bitmap) / 4;
        for (int y = 0; y < 4; y++) {
            for (int x = 0; x < 8; x++) {
                POINT at = {x, y};
                EXPECT_EQ(pixels[y * stride + x], PtInRect(&row.filled, at) ? row.stored : before)
                    << row.what << " at " << x << "," << y;
            }
        }
        FPDFBitmap_Destroy(bitmap);
    }
}

// The engine's memory only grows: an idle instance that a huge document
// grew is replaced at the next load, so the memory goes back to the system.
TEST(PdfEngine, AnIdleEngineGrownByAHugeDocumentIsReplacedAtTheNextLoad)
{
    {
        Doc huge("hostile/stream-200m.pdf");
        FPDFBitmap_Destroy(Render(huge.doc, 0, 60, 80, FPDF_ANNOT));
        EXPECT_GT(FolivexEngine_MemoryBytes(), 300u << 20);
    }
    Doc small("hostile/small.pdf");
    EXPECT_LT(FolivexEngine_MemoryBytes(), 64u << 20);
}

// FPDF_RenderPage is ours: bands of at most 16 MB, only inside the device's
// clip box, and the same pixels as a bitmap render of the same box.
TEST(PdfEngine, RenderPageOnADeviceContextMatchesABitmapRender)
{
    Doc report("report.pdf");
    FPDF_PAGE page = FPDF_LoadPage(report.doc, 0);
    ASSERT_NE(page, nullptr);
    struct {
        const char *what;
        int width, height, x, y, sizeX, sizeY;
        RECT clip; // empty: the whole device context
    } rows[] = {
        {"A4 at 300 dpi, several bands", 2480, 3508, 0, 0, 2480, 3508, {}},
        {"page larger than the device, shifted", 595, 842, -100, -40, 1190, 1684, {}},
        {"clipped to a rectangle", 595, 842, 0, 0, 595, 842, {50, 20, 400, 300}},
    };
    for (auto &row : rows) {
        SCOPED_TRACE(row.what);
        void *bits;
        HDC dc = CreateCompatibleDC(NULL);
        HBITMAP dib = CreateDib32(row.width, row.height, &bits);
        HGDIOBJ old = SelectObject(dc, dib);
        memset(bits, 0x80, (size_t)row.width * row.height * 4);
        HRGN region = row.clip.right ? CreateRectRgnIndirect(&row.clip) : NULL;
        SelectClipRgn(dc, region);
        FPDF_RenderPage(dc, page, row.x, row.y, row.sizeX, row.sizeY, 0, FPDF_ANNOT | FPDF_PRINTING);
        GdiFlush();
        FPDF_BITMAP expected = Render(report.doc, 0, row.width, row.height, FPDF_ANNOT | FPDF_PRINTING, row.x, row.y,
                                      row.sizeX, row.sizeY);
        ASSERT_NE(expected, nullptr);
        const BYTE *want = (const BYTE *)FPDFBitmap_GetBuffer(expected), *got = (const BYTE *)bits;
        int wrong = 0, dark = 0;
        for (int y = 0; y < row.height; y++)
            for (int x = 0; x < row.width; x++) {
                size_t at = ((size_t)y * row.width + x) * 4;
                POINT p = {x, y};
                bool inside = !region || PtInRect(&row.clip, p);
                wrong += inside ? memcmp(got + at, want + at, 3) != 0 : got[at] != 0x80;
                dark += got[at] < 100;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(dark, 500); // the heading is there
        FPDFBitmap_Destroy(expected);
        if (region) DeleteObject(region);
        SelectObject(dc, old);
        DeleteObject(dib);
        DeleteDC(dc);
    }
    FPDF_ClosePage(page);
}

// The pause record the module sees leads back to the caller's IFSDK_PAUSE;
// a call into the engine from inside it is refused, not re-entered.
struct PauseProbe : IFSDK_PAUSE {
    int calls;
    FPDF_DOCUMENT doc;
    int nestedCount;
};

FPDF_BOOL PauseAndCallBack(IFSDK_PAUSE *pause)
{
    PauseProbe *probe = (PauseProbe *)pause;
    probe->calls++;
    probe->nestedCount = FPDF_GetPageCount(probe->doc);
    return 1;
}

TEST(PdfEngine, ProgressiveRenderPausesThroughTheCallersRecord)
{
    Doc dense("dense.pdf");
    FPDF_PAGE page = FPDF_LoadPage(dense.doc, 0);
    FPDF_BITMAP steps = FPDFBitmap_Create(595, 842, 0);
    ASSERT_TRUE(page && steps);
    PauseProbe probe;
    probe.version = 1;
    probe.NeedToPauseNow = PauseAndCallBack;
    probe.calls = 0, probe.doc = dense.doc, probe.nestedCount = -1;
    int status = FPDF_RenderPageBitmap_Start(steps, page, 0, 0, 595, 842, 0, FPDF_ANNOT, &probe);
    for (int rounds = 0; status == FPDF_RENDER_TOBECONTINUED && rounds < 100000; rounds++)
        status = FPDF_RenderPage_Continue(page, &probe);
    EXPECT_EQ(status, FPDF_RENDER_DONE);
    EXPECT_GT(probe.calls, 1);
    EXPECT_EQ(probe.nestedCount, 0);
    EXPECT_EQ(FPDF_GetPageCount(dense.doc), 1); // usable again afterwards
    FPDF_RenderPage_Close(page);
    FPDF_ClosePage(page);
    FPDFBitmap_Destroy(steps);
}

} // namespace
