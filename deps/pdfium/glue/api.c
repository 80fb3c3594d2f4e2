/*
** api.c - the exported PDFium interface of pdfium.dll.
**
** Every function translates the caller's handles and pointers into module
** addresses, calls the module's function of the same name inside a guarded
** call, and copies results back.  Handles are module addresses with the
** instance generation above them; text and rectangles are copied in and
** out through a small scratch area in the module.  Used on one thread only.
*/
#ifdef _WIN32
#define FPDF_EXPORT __declspec(dllexport)
#endif
#include "engine.h"
#include "Pdfium.h"

#include <stdlib.h>
#include <string.h>

_Static_assert(sizeof(void *) == 8, "handles need 64-bit pointers");

/* A document's bytes: either the caller's memory, read in place, or the
** caller's own FPDF_FILEACCESS. */
typedef struct {
    int used;
    uint32_t document;
    const unsigned char *data;
    size_t size;
    FPDF_FILEACCESS access;
} Source;

static Source *Sources;
static uint32_t SourceCount;
static int OpenDocuments;
static int LibraryWanted;
static long HostLastError = -1;
static int BitmapsAlive;
static IFSDK_PAUSE *CurrentPause;
static uint32_t Scratch; /* 64 bytes in the module for out-parameters */

int EngineBitmapsAlive(void)
{
    return BitmapsAlive;
}

/* ---- Instance management ------------------------------------------- */

/* Linear memory that an idle instance may keep.  The memory only grows, so
** after a huge or hostile document the instance is replaced at the next
** load and what it took goes back to the system.  Real manuals stay far
** below: a 2,415-page reference manual rendered page by page 2,000 pixels
** wide, with thumbnails, peaks at 126 MiB; five long manuals in a row at
** 1,000 pixels, at 89 MiB. */
#define ENGINE_RECYCLE_BYTES (256ull << 20)

/* Stops an instance that no document or bitmap depends on and that holds
** far more memory than a document needs; EnsureEngine then starts afresh. */
static void RecycleBloatedEngine(void)
{
    if (EngineState == ENGINE_READY && OpenDocuments == 0 && BitmapsAlive == 0 &&
        EngineModule.w2c_memory.size > ENGINE_RECYCLE_BYTES)
        EngineStop();
}

/* Starts an instance and initialises the library in it, once both are
** wanted.  Returns nonzero when the engine is usable. */
static int EnsureEngine(void)
{
    if (EngineState == ENGINE_READY) return 1;
    if (EngineState == ENGINE_FAILED) {
        /* A failed instance is replaced only when no document depends on it. */
        if (OpenDocuments > 0) return 0;
        EngineStop();
    }
    if (!LibraryWanted || !EngineStart()) return 0;
    BitmapsAlive = 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    Z_pdfiumZ_FPDF_InitLibrary(&EngineModule);
    Scratch = Z_pdfiumZ_malloc(&EngineModule, 64);
    EngineLeave();
    if (!Scratch) {
        EngineState = ENGINE_FAILED;
        return 0;
    }
    return 1;
}

FPDF_EXPORT void FPDF_CALLCONV FPDF_InitLibrary(void)
{
    LibraryWanted = 1;
    EnsureEngine();
}

FPDF_EXPORT void FPDF_CALLCONV FPDF_InitLibraryWithConfig(const FPDF_LIBRARY_CONFIG *config)
{
    (void)config; /* font paths and V8 do not apply to this build */
    FPDF_InitLibrary();
}

FPDF_EXPORT void FPDF_CALLCONV FPDF_DestroyLibrary(void)
{
    LibraryWanted = 0;
    if (EngineState == ENGINE_READY && !ENGINE_ENTER_FAILS()) {
        Z_pdfiumZ_FPDF_DestroyLibrary(&EngineModule);
        EngineLeave();
    }
    EngineStop();
    free(Sources);
    Sources = NULL;
    SourceCount = 0;
    OpenDocuments = 0;
}

FPDF_EXPORT unsigned long FPDF_CALLCONV FPDF_GetLastError(void)
{
    if (HostLastError >= 0) return (unsigned long)HostLastError;
    if (ENGINE_ENTER_FAILS()) return FPDF_ERR_UNKNOWN;
    unsigned long error = Z_pdfiumZ_FPDF_GetLastError(&EngineModule);
    EngineLeave();
    return error;
}

/* ---- Module memory helpers (call only inside a guarded call) ------- */

/* Copies `size` bytes into a new module block; 0 when out of memory. */
static uint32_t CopyIn(const void *data, size_t size)
{
    if (size > 0x7fffffff) return 0;
    uint32_t block = Z_pdfiumZ_malloc(&EngineModule, (uint32_t)size);
    if (block && ModuleRange(block, size)) memcpy(ModulePointer(block), data, size);
    return block;
}

static uint32_t CopyInString(const char *text)
{
    return text ? CopyIn(text, strlen(text) + 1) : 0;
}

static double LoadDouble(uint32_t address)
{
    double value;
    memcpy(&value, ModulePointer(address), sizeof value);
    return value;
}

static int LoadInt(uint32_t address)
{
    int value;
    memcpy(&value, ModulePointer(address), sizeof value);
    return value;
}

/* ---- Documents ------------------------------------------------------- */

/* Claims a free source slot; returns its index + 1, or 0. */
static uint32_t ClaimSource(void)
{
    for (uint32_t i = 0; i < SourceCount; i++)
        if (!Sources[i].used) {
            memset(&Sources[i], 0, sizeof Sources[i]);
            Sources[i].used = 1;
            return i + 1;
        }
    uint32_t count = SourceCount ? SourceCount * 2 : 4;
    Source *grown = (Source *)realloc(Sources, count * sizeof *grown);
    if (!grown) return 0;
    memset(grown + SourceCount, 0, (count - SourceCount) * sizeof *grown);
    Sources = grown;
    uint32_t slot = SourceCount;
    SourceCount = count;
    Sources[slot].used = 1;
    return slot + 1;
}

/* The module reads a document through this: copy the requested block from
** the caller's memory, or have the caller's reader write it in place. */
uint32_t HostGetBlock(void *instance, uint32_t param, uint32_t position, uint32_t buffer, uint32_t size)
{
    (void)instance;
    if (param == 0 || param > SourceCount || !Sources[param - 1].used) return 0;
    if (!ModuleRange(buffer, size)) return 0;
    Source *source = &Sources[param - 1];
    if (source->data) {
        if ((uint64_t)position + size > source->size) return 0;
        memcpy(ModulePointer(buffer), source->data + position, size);
        return 1;
    }
    if (!source->access.m_GetBlock) return 0;
    return source->access.m_GetBlock(source->access.m_Param, position, ModulePointer(buffer), size) != 0;
}

/* Opens a document from a claimed source through the module's
** FPDF_LoadCustomDocument: the module gets a file length, the table index
** of HostGetBlock and the source number, so nothing is copied up front. */
static FPDF_DOCUMENT LoadSource(uint32_t slot, uint64_t length, FPDF_BYTESTRING password)
{
    HostLastError = -1;
    if (length > 0xffffffffu) {
        Sources[slot - 1].used = 0;
        HostLastError = FPDF_ERR_FILE; /* the module's file offsets are 32-bit */
        return NULL;
    }
    RecycleBloatedEngine();
    if (!EnsureEngine()) {
        Sources[slot - 1].used = 0;
        HostLastError = FPDF_ERR_UNKNOWN;
        return NULL;
    }
    if (ENGINE_ENTER_FAILS()) {
        Sources[slot - 1].used = 0;
        HostLastError = FPDF_ERR_UNKNOWN;
        return NULL;
    }
    uint32_t access = Z_pdfiumZ_malloc(&EngineModule, 12);
    uint32_t secret = CopyInString(password);
    uint32_t document = 0;
    if (access && (secret || !password)) {
        uint32_t fields[3] = {(uint32_t)length, EngineGetBlockIndex, slot};
        memcpy(ModulePointer(access), fields, sizeof fields);
        document = Z_pdfiumZ_FPDF_LoadCustomDocument(&EngineModule, access, secret);
    }
    if (secret) Z_pdfiumZ_free(&EngineModule, secret);
    if (access) Z_pdfiumZ_free(&EngineModule, access);
    if (!access || (password && !secret)) HostLastError = FPDF_ERR_UNKNOWN;
    EngineLeave();
    if (!document) {
        Sources[slot - 1].used = 0;
        return NULL;
    }
    Sources[slot - 1].document = document;
    OpenDocuments++;
    return (FPDF_DOCUMENT)ToHandle(document);
}

FPDF_EXPORT FPDF_DOCUMENT FPDF_CALLCONV FPDF_LoadMemDocument64(const void *data_buf, size_t size,
                                                               FPDF_BYTESTRING password)
{
    uint32_t slot;
    if (!data_buf && size) return NULL;
    slot = ClaimSource();
    if (!slot) {
        HostLastError = FPDF_ERR_UNKNOWN;
        return NULL;
    }
    Sources[slot - 1].data = (const unsigned char *)data_buf;
    Sources[slot - 1].size = size;
    return LoadSource(slot, size, password);
}

FPDF_EXPORT FPDF_DOCUMENT FPDF_CALLCONV FPDF_LoadMemDocument(const void *data_buf, int size, FPDF_BYTESTRING password)
{
    if (size < 0) {
        HostLastError = FPDF_ERR_FILE;
        return NULL;
    }
    return FPDF_LoadMemDocument64(data_buf, (size_t)size, password);
}

FPDF_EXPORT FPDF_DOCUMENT FPDF_CALLCONV FPDF_LoadCustomDocument(FPDF_FILEACCESS *pFileAccess, FPDF_BYTESTRING password)
{
    uint32_t slot;
    if (!pFileAccess || !pFileAccess->m_GetBlock) return NULL;
    slot = ClaimSource();
    if (!slot) {
        HostLastError = FPDF_ERR_UNKNOWN;
        return NULL;
    }
    Sources[slot - 1].access = *pFileAccess;
    return LoadSource(slot, pFileAccess->m_FileLen, password);
}

/* Closing always releases the source, even when the engine has failed and
** the module cannot be asked; the last close lets a new instance start. */
FPDF_EXPORT void FPDF_CALLCONV FPDF_CloseDocument(FPDF_DOCUMENT document)
{
    uint32_t address;
    if (!FromHandle(document, &address)) return;
    for (uint32_t i = 0; i < SourceCount; i++)
        if (Sources[i].used && Sources[i].document == address) {
            Sources[i].used = 0;
            OpenDocuments--;
            break;
        }
    if (!ENGINE_ENTER_FAILS()) {
        Z_pdfiumZ_FPDF_CloseDocument(&EngineModule, address);
        EngineLeave();
    }
}

FPDF_EXPORT int FPDF_CALLCONV FPDF_GetPageCount(FPDF_DOCUMENT document)
{
    uint32_t address;
    if (!FromHandle(document, &address)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    int count = (int)Z_pdfiumZ_FPDF_GetPageCount(&EngineModule, address);
    EngineLeave();
    return count;
}

FPDF_EXPORT int FPDF_CALLCONV FPDF_GetPageSizeByIndex(FPDF_DOCUMENT document, int page_index, double *width,
                                                      double *height)
{
    uint32_t address;
    if (!FromHandle(document, &address)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    int ok = (int)Z_pdfiumZ_FPDF_GetPageSizeByIndex(&EngineModule, address, (uint32_t)page_index, width ? Scratch : 0,
                                                    height ? Scratch + 8 : 0);
    if (ok && width && height) {
        *width = LoadDouble(Scratch);
        *height = LoadDouble(Scratch + 8);
    }
    EngineLeave();
    return ok;
}

/* ---- Pages --------------------------------------------------------------- */

FPDF_EXPORT FPDF_PAGE FPDF_CALLCONV FPDF_LoadPage(FPDF_DOCUMENT document, int page_index)
{
    uint32_t address;
    if (!FromHandle(document, &address)) return NULL;
    if (ENGINE_ENTER_FAILS()) return NULL;
    uint32_t page = Z_pdfiumZ_FPDF_LoadPage(&EngineModule, address, (uint32_t)page_index);
    EngineLeave();
    return (FPDF_PAGE)ToHandle(page);
}

FPDF_EXPORT void FPDF_CALLCONV FPDF_ClosePage(FPDF_PAGE page)
{
    uint32_t address;
    if (!FromHandle(page, &address)) return;
    if (ENGINE_ENTER_FAILS()) return;
    Z_pdfiumZ_FPDF_ClosePage(&EngineModule, address);
    EngineLeave();
}

FPDF_EXPORT double FPDF_CALLCONV FPDF_GetPageWidth(FPDF_PAGE page)
{
    uint32_t address;
    if (!FromHandle(page, &address)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    double width = Z_pdfiumZ_FPDF_GetPageWidth(&EngineModule, address);
    EngineLeave();
    return width;
}

FPDF_EXPORT double FPDF_CALLCONV FPDF_GetPageHeight(FPDF_PAGE page)
{
    uint32_t address;
    if (!FromHandle(page, &address)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    double height = Z_pdfiumZ_FPDF_GetPageHeight(&EngineModule, address);
    EngineLeave();
    return height;
}

/* ---- Bitmaps ------------------------------------------------------------- */

/* The pixels are allocated here, uninitialised, and handed to the engine as
** an external buffer: PDFium's own allocation clears them, 8% of a page's
** render in the gnuplot manual, although every caller fills the whole
** bitmap first (the interface leaves a new bitmap's content undefined).
** The buffer is freed with the bitmap. */
FPDF_EXPORT FPDF_BITMAP FPDF_CALLCONV FPDFBitmap_Create(int width, int height, int alpha)
{
    if (width <= 0 || height <= 0 || width > INT32_MAX / 4) return NULL;
    uint64_t bytes = (uint64_t)width * 4 * (uint64_t)height;
    if (bytes > UINT32_MAX || !EnsureEngine()) return NULL;
    if (ENGINE_ENTER_FAILS()) return NULL;
    uint32_t buffer = Z_pdfiumZ_malloc(&EngineModule, (uint32_t)bytes);
    uint32_t bitmap = 0;
    if (buffer) {
        bitmap = Z_pdfiumZ_FPDFBitmap_CreateEx(&EngineModule, (uint32_t)width, (uint32_t)height,
                                               alpha ? FPDFBitmap_BGRA : FPDFBitmap_BGRx, buffer, (uint32_t)width * 4);
        if (!bitmap) Z_pdfiumZ_free(&EngineModule, buffer);
    }
    EngineLeave();
    if (bitmap) BitmapsAlive++;
    return (FPDF_BITMAP)ToHandle(bitmap);
}

/* A fill of a 32-bit bitmap stores the colour in every pixel of the
** rectangle clipped to the bitmap, as the engine does (it replaces, never
** blends, and takes the colour as opaque on a bitmap without alpha).  Done
** here with a plain host loop: the engine's path through its render device
** spent a tenth of a page's render on the white paper.  Returns 0 when the
** engine must do the fill (other formats, a rectangle the engine would
** normalise).  Inside a guarded call. */
static int FillRect32(uint32_t bitmap, int left, int top, int width, int height, uint32_t color)
{
    uint32_t format = Z_pdfiumZ_FPDFBitmap_GetFormat(&EngineModule, bitmap);
    if (format == FPDFBitmap_BGRx) {
        color |= 0xFF000000u;
    } else if (format != FPDFBitmap_BGRA) {
        return 0;
    }
    int64_t bitmapWidth = (int32_t)Z_pdfiumZ_FPDFBitmap_GetWidth(&EngineModule, bitmap);
    int64_t bitmapHeight = (int32_t)Z_pdfiumZ_FPDFBitmap_GetHeight(&EngineModule, bitmap);
    int64_t stride = (int32_t)Z_pdfiumZ_FPDFBitmap_GetStride(&EngineModule, bitmap);
    uint32_t buffer = Z_pdfiumZ_FPDFBitmap_GetBuffer(&EngineModule, bitmap);
    int64_t x0 = left > 0 ? left : 0, y0 = top > 0 ? top : 0;
    int64_t x1 = (int64_t)left + width, y1 = (int64_t)top + height;
    if (x1 > bitmapWidth) x1 = bitmapWidth;
    if (y1 > bitmapHeight) y1 = bitmapHeight;
    if (x1 <= x0 || y1 <= y0 || stride < bitmapWidth * 4 || !buffer) return 0;
    if (!ModuleRange(buffer, (uint64_t)(stride * (y1 - 1) + x1 * 4))) return 0;
    for (int64_t y = y0; y < y1; y++) {
        uint32_t *row = (uint32_t *)(void *)ModulePointer(buffer + (uint32_t)(y * stride));
        for (int64_t x = x0; x < x1; x++) row[x] = color;
    }
    return 1;
}

FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDFBitmap_FillRect(FPDF_BITMAP bitmap, int left, int top, int width, int height,
                                                        FPDF_DWORD color)
{
    uint32_t address;
    if (!FromHandle(bitmap, &address)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    FPDF_BOOL ok = FillRect32(address, left, top, width, height, (uint32_t)color);
    if (!ok) {
        ok = (FPDF_BOOL)Z_pdfiumZ_FPDFBitmap_FillRect(&EngineModule, address, (uint32_t)left, (uint32_t)top,
                                                      (uint32_t)width, (uint32_t)height, (uint32_t)color);
    }
    EngineLeave();
    return ok;
}

/* The buffer lives in the linear memory, which never moves, so the pointer
** stays valid until the bitmap is destroyed. */
FPDF_EXPORT void *FPDF_CALLCONV FPDFBitmap_GetBuffer(FPDF_BITMAP bitmap)
{
    uint32_t address;
    if (!FromHandle(bitmap, &address)) return NULL;
    if (ENGINE_ENTER_FAILS()) return NULL;
    uint32_t buffer = Z_pdfiumZ_FPDFBitmap_GetBuffer(&EngineModule, address);
    EngineLeave();
    return buffer && ModuleRange(buffer, 1) ? ModulePointer(buffer) : NULL;
}

#define BITMAP_QUERY(name)                                                                                             \
    FPDF_EXPORT int FPDF_CALLCONV name(FPDF_BITMAP bitmap)                                                             \
    {                                                                                                                  \
        uint32_t address;                                                                                              \
        if (!FromHandle(bitmap, &address)) return 0;                                                                   \
        if (ENGINE_ENTER_FAILS()) return 0;                                                                            \
        int value = (int)Z_pdfiumZ_##name(&EngineModule, address);                                                     \
        EngineLeave();                                                                                                 \
        return value;                                                                                                  \
    }

BITMAP_QUERY(FPDFBitmap_GetWidth)
BITMAP_QUERY(FPDFBitmap_GetHeight)
BITMAP_QUERY(FPDFBitmap_GetStride)

FPDF_EXPORT void FPDF_CALLCONV FPDFBitmap_Destroy(FPDF_BITMAP bitmap)
{
    uint32_t address;
    if (!FromHandle(bitmap, &address)) return;
    if (BitmapsAlive > 0) BitmapsAlive--;
    if (ENGINE_ENTER_FAILS()) return;
    uint32_t buffer = Z_pdfiumZ_FPDFBitmap_GetBuffer(&EngineModule, address);
    Z_pdfiumZ_FPDFBitmap_Destroy(&EngineModule, address);
    if (buffer) Z_pdfiumZ_free(&EngineModule, buffer);
    EngineLeave();
}

/* ---- Rendering ----------------------------------------------------------- */

FPDF_EXPORT void FPDF_CALLCONV FPDF_RenderPageBitmap(FPDF_BITMAP bitmap, FPDF_PAGE page, int start_x, int start_y,
                                                     int size_x, int size_y, int rotate, int flags)
{
    uint32_t b, p;
    if (!FromHandle(bitmap, &b) || !FromHandle(page, &p)) return;
    if (ENGINE_ENTER_FAILS()) return;
    Z_pdfiumZ_FPDF_RenderPageBitmap(&EngineModule, b, p, (uint32_t)start_x, (uint32_t)start_y, (uint32_t)size_x,
                                    (uint32_t)size_y, (uint32_t)rotate, (uint32_t)flags);
    EngineLeave();
}

/* The module's pause record points at this trampoline, which asks the
** caller's IFSDK_PAUSE given to the current call. */
uint32_t HostNeedToPauseNow(void *instance, uint32_t pause)
{
    (void)instance, (void)pause;
    if (!CurrentPause || !CurrentPause->NeedToPauseNow) return 0;
    return CurrentPause->NeedToPauseNow(CurrentPause) != 0;
}

/* Writes the module-side pause record for `pause` into the scratch area
** and returns its address, or 0 for no pause. */
static uint32_t PauseRecord(IFSDK_PAUSE *pause)
{
    CurrentPause = pause;
    if (!pause) return 0;
    uint32_t record[3] = {(uint32_t)pause->version, EnginePauseIndex, 0};
    memcpy(ModulePointer(Scratch + 32), record, sizeof record);
    return Scratch + 32;
}

FPDF_EXPORT int FPDF_CALLCONV FPDF_RenderPageBitmap_Start(FPDF_BITMAP bitmap, FPDF_PAGE page, int start_x, int start_y,
                                                          int size_x, int size_y, int rotate, int flags,
                                                          IFSDK_PAUSE *pause)
{
    uint32_t b, p;
    if (!FromHandle(bitmap, &b) || !FromHandle(page, &p)) return FPDF_RENDER_FAILED;
    if (ENGINE_ENTER_FAILS()) return FPDF_RENDER_FAILED;
    int status = (int)Z_pdfiumZ_FPDF_RenderPageBitmap_Start(&EngineModule, b, p, (uint32_t)start_x, (uint32_t)start_y,
                                                            (uint32_t)size_x, (uint32_t)size_y, (uint32_t)rotate,
                                                            (uint32_t)flags, PauseRecord(pause));
    CurrentPause = NULL;
    EngineLeave();
    return status;
}

FPDF_EXPORT int FPDF_CALLCONV FPDF_RenderPage_Continue(FPDF_PAGE page, IFSDK_PAUSE *pause)
{
    uint32_t p;
    if (!FromHandle(page, &p)) return FPDF_RENDER_FAILED;
    if (ENGINE_ENTER_FAILS()) return FPDF_RENDER_FAILED;
    int status = (int)Z_pdfiumZ_FPDF_RenderPage_Continue(&EngineModule, p, PauseRecord(pause));
    CurrentPause = NULL;
    EngineLeave();
    return status;
}

FPDF_EXPORT void FPDF_CALLCONV FPDF_RenderPage_Close(FPDF_PAGE page)
{
    uint32_t p;
    if (!FromHandle(page, &p)) return;
    if (ENGINE_ENTER_FAILS()) return;
    Z_pdfiumZ_FPDF_RenderPage_Close(&EngineModule, p);
    EngineLeave();
}

/* ---- Coordinates ----------------------------------------------------------- */

FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDF_DeviceToPage(FPDF_PAGE page, int start_x, int start_y, int size_x, int size_y,
                                                      int rotate, int device_x, int device_y, double *page_x,
                                                      double *page_y)
{
    uint32_t p;
    if (!FromHandle(page, &p)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    FPDF_BOOL ok = (FPDF_BOOL)Z_pdfiumZ_FPDF_DeviceToPage(
        &EngineModule, p, (uint32_t)start_x, (uint32_t)start_y, (uint32_t)size_x, (uint32_t)size_y, (uint32_t)rotate,
        (uint32_t)device_x, (uint32_t)device_y, page_x ? Scratch : 0, page_y ? Scratch + 8 : 0);
    if (ok && page_x && page_y) {
        *page_x = LoadDouble(Scratch);
        *page_y = LoadDouble(Scratch + 8);
    }
    EngineLeave();
    return ok;
}

FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDF_PageToDevice(FPDF_PAGE page, int start_x, int start_y, int size_x, int size_y,
                                                      int rotate, double page_x, double page_y, int *device_x,
                                                      int *device_y)
{
    uint32_t p;
    if (!FromHandle(page, &p)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    FPDF_BOOL ok = (FPDF_BOOL)Z_pdfiumZ_FPDF_PageToDevice(&EngineModule, p, (uint32_t)start_x, (uint32_t)start_y,
                                                          (uint32_t)size_x, (uint32_t)size_y, (uint32_t)rotate, page_x,
                                                          page_y, device_x ? Scratch : 0, device_y ? Scratch + 4 : 0);
    if (ok && device_x && device_y) {
        *device_x = LoadInt(Scratch);
        *device_y = LoadInt(Scratch + 4);
    }
    EngineLeave();
    return ok;
}

/* ---- Text ------------------------------------------------------------------ */

FPDF_EXPORT FPDF_TEXTPAGE FPDF_CALLCONV FPDFText_LoadPage(FPDF_PAGE page)
{
    uint32_t p;
    if (!FromHandle(page, &p)) return NULL;
    if (ENGINE_ENTER_FAILS()) return NULL;
    uint32_t text = Z_pdfiumZ_FPDFText_LoadPage(&EngineModule, p);
    EngineLeave();
    return (FPDF_TEXTPAGE)ToHandle(text);
}

FPDF_EXPORT void FPDF_CALLCONV FPDFText_ClosePage(FPDF_TEXTPAGE text_page)
{
    uint32_t t;
    if (!FromHandle(text_page, &t)) return;
    if (ENGINE_ENTER_FAILS()) return;
    Z_pdfiumZ_FPDFText_ClosePage(&EngineModule, t);
    EngineLeave();
}

FPDF_EXPORT int FPDF_CALLCONV FPDFText_CountChars(FPDF_TEXTPAGE text_page)
{
    uint32_t t;
    if (!FromHandle(text_page, &t)) return -1;
    if (ENGINE_ENTER_FAILS()) return -1;
    int count = (int)Z_pdfiumZ_FPDFText_CountChars(&EngineModule, t);
    EngineLeave();
    return count;
}

/* The search string is copied into the module for the call only: the
** module keeps its own copy in the search handle. */
FPDF_EXPORT FPDF_SCHHANDLE FPDF_CALLCONV FPDFText_FindStart(FPDF_TEXTPAGE text_page, FPDF_WIDESTRING findwhat,
                                                            unsigned long flags, int start_index)
{
    uint32_t t;
    size_t length = 0;
    if (!FromHandle(text_page, &t)) return NULL;
    if (findwhat)
        while (findwhat[length]) length++;
    if (ENGINE_ENTER_FAILS()) return NULL;
    uint32_t what = findwhat ? CopyIn(findwhat, (length + 1) * sizeof(FPDF_WCHAR)) : 0;
    uint32_t search = 0;
    if (what || !findwhat)
        search = Z_pdfiumZ_FPDFText_FindStart(&EngineModule, t, what, (uint32_t)flags, (uint32_t)start_index);
    if (what) Z_pdfiumZ_free(&EngineModule, what);
    EngineLeave();
    return (FPDF_SCHHANDLE)ToHandle(search);
}

#define SEARCH_QUERY(type, name)                                                                                       \
    FPDF_EXPORT type FPDF_CALLCONV name(FPDF_SCHHANDLE handle)                                                         \
    {                                                                                                                  \
        uint32_t s;                                                                                                    \
        if (!FromHandle(handle, &s)) return 0;                                                                         \
        if (ENGINE_ENTER_FAILS()) return 0;                                                                            \
        type value = (type)Z_pdfiumZ_##name(&EngineModule, s);                                                         \
        EngineLeave();                                                                                                 \
        return value;                                                                                                  \
    }

SEARCH_QUERY(FPDF_BOOL, FPDFText_FindNext)
SEARCH_QUERY(FPDF_BOOL, FPDFText_FindPrev)
SEARCH_QUERY(int, FPDFText_GetSchResultIndex)
SEARCH_QUERY(int, FPDFText_GetSchCount)

FPDF_EXPORT void FPDF_CALLCONV FPDFText_FindClose(FPDF_SCHHANDLE handle)
{
    uint32_t s;
    if (!FromHandle(handle, &s)) return;
    if (ENGINE_ENTER_FAILS()) return;
    Z_pdfiumZ_FPDFText_FindClose(&EngineModule, s);
    EngineLeave();
}

FPDF_EXPORT int FPDF_CALLCONV FPDFText_CountRects(FPDF_TEXTPAGE text_page, int start_index, int count)
{
    uint32_t t;
    if (!FromHandle(text_page, &t)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    int rects = (int)Z_pdfiumZ_FPDFText_CountRects(&EngineModule, t, (uint32_t)start_index, (uint32_t)count);
    EngineLeave();
    return rects;
}

FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDFText_GetRect(FPDF_TEXTPAGE text_page, int rect_index, double *left, double *top,
                                                     double *right, double *bottom)
{
    uint32_t t;
    if (!FromHandle(text_page, &t)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    FPDF_BOOL ok = (FPDF_BOOL)Z_pdfiumZ_FPDFText_GetRect(&EngineModule, t, (uint32_t)rect_index, left ? Scratch : 0,
                                                         top ? Scratch + 8 : 0, right ? Scratch + 16 : 0,
                                                         bottom ? Scratch + 24 : 0);
    if (ok && left && top && right && bottom) {
        *left = LoadDouble(Scratch);
        *top = LoadDouble(Scratch + 8);
        *right = LoadDouble(Scratch + 16);
        *bottom = LoadDouble(Scratch + 24);
    }
    EngineLeave();
    return ok;
}

/* ---- Links --------------------------------------------------------------- */

FPDF_EXPORT FPDF_LINK FPDF_CALLCONV FPDFLink_GetLinkAtPoint(FPDF_PAGE page, double x, double y)
{
    uint32_t p;
    if (!FromHandle(page, &p)) return NULL;
    if (ENGINE_ENTER_FAILS()) return NULL;
    uint32_t link = Z_pdfiumZ_FPDFLink_GetLinkAtPoint(&EngineModule, p, x, y);
    EngineLeave();
    return (FPDF_LINK)ToHandle(link);
}

FPDF_EXPORT FPDF_ACTION FPDF_CALLCONV FPDFLink_GetAction(FPDF_LINK link)
{
    uint32_t l;
    if (!FromHandle(link, &l)) return NULL;
    if (ENGINE_ENTER_FAILS()) return NULL;
    uint32_t action = Z_pdfiumZ_FPDFLink_GetAction(&EngineModule, l);
    EngineLeave();
    return (FPDF_ACTION)ToHandle(action);
}

FPDF_EXPORT unsigned long FPDF_CALLCONV FPDFAction_GetType(FPDF_ACTION action)
{
    uint32_t a;
    if (!FromHandle(action, &a)) return PDFACTION_UNSUPPORTED;
    if (ENGINE_ENTER_FAILS()) return PDFACTION_UNSUPPORTED;
    unsigned long type = Z_pdfiumZ_FPDFAction_GetType(&EngineModule, a);
    EngineLeave();
    return type;
}

/* Asks for the length first, then copies the bytes out only when the
** caller's buffer holds all of them, as PDFium does. */
FPDF_EXPORT unsigned long FPDF_CALLCONV FPDFAction_GetURIPath(FPDF_DOCUMENT document, FPDF_ACTION action, void *buffer,
                                                              unsigned long buflen)
{
    uint32_t d, a;
    if (!FromHandle(document, &d) || !FromHandle(action, &a)) return 0;
    if (ENGINE_ENTER_FAILS()) return 0;
    uint32_t length = Z_pdfiumZ_FPDFAction_GetURIPath(&EngineModule, d, a, 0, 0);
    if (length && buffer && buflen >= length) {
        uint32_t block = Z_pdfiumZ_malloc(&EngineModule, length);
        if (block) {
            uint32_t copied = Z_pdfiumZ_FPDFAction_GetURIPath(&EngineModule, d, a, block, length);
            if (copied == length && ModuleRange(block, length))
                memcpy(buffer, ModulePointer(block), length);
            else
                length = 0;
            Z_pdfiumZ_free(&EngineModule, block);
        } else {
            length = 0;
        }
    }
    EngineLeave();
    return length;
}
