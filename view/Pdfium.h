/*
** Pdfium.h - the part of PDFium's public C interface that Folivex uses.
**
** The names, values, structure layouts and calling convention are those of
** PDFium's own public headers (fpdfview.h, fpdf_text.h, fpdf_doc.h,
** fpdf_progressive.h), so the pdfium.dll built under deps/pdfium and an
** official native pdfium.dll are interchangeable.
**
** Threading: the engine is used from the UI thread only.  Nothing here is
** locked; calling any of these functions from a second thread is an error.
**
** Handles (documents, pages, bitmaps, text pages, searches, links, actions)
** are opaque pointer-sized values; never dereference them.
*/
#ifndef FOLIVEX_PDFIUM_H
#define FOLIVEX_PDFIUM_H

#include <stddef.h>

#ifdef _WIN32
#include <windows.h>
#define FPDF_CALLCONV __stdcall
#else
#define FPDF_CALLCONV
#endif

#ifndef FPDF_EXPORT
#define FPDF_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Basic types (fpdfview.h) ---- */
typedef struct fpdf_action_t__ *FPDF_ACTION;
typedef struct fpdf_bitmap_t__ *FPDF_BITMAP;
typedef struct fpdf_dest_t__ *FPDF_DEST;
typedef struct fpdf_document_t__ *FPDF_DOCUMENT;
typedef struct fpdf_link_t__ *FPDF_LINK;
typedef struct fpdf_page_t__ *FPDF_PAGE;
typedef struct fpdf_schhandle_t__ *FPDF_SCHHANDLE;
typedef struct fpdf_textpage_t__ *FPDF_TEXTPAGE;

typedef int FPDF_BOOL;
typedef int FPDF_RESULT;
typedef unsigned long FPDF_DWORD;
typedef unsigned short FPDF_WCHAR;
typedef const char *FPDF_BYTESTRING;
typedef const FPDF_WCHAR *FPDF_WIDESTRING;
typedef const char *FPDF_STRING;

/* A rectangle in page space, floats, as PDFium's FS_RECTF. */
typedef struct _FS_RECTF_ {
    float left;
    float top;
    float right;
    float bottom;
} * FS_LPRECTF, FS_RECTF;
typedef const FS_RECTF *FS_LPCRECTF;

/* Affine matrix a b c d e f, as PDFium's FS_MATRIX. */
typedef struct _FS_MATRIX_ {
    float a;
    float b;
    float c;
    float d;
    float e;
    float f;
} FS_MATRIX;

/* ---- Errors reported by FPDF_GetLastError ---- */
#define FPDF_ERR_SUCCESS  0 /* no error */
#define FPDF_ERR_UNKNOWN  1 /* unknown error */
#define FPDF_ERR_FILE     2 /* file not found or could not be opened */
#define FPDF_ERR_FORMAT   3 /* not a PDF or corrupted */
#define FPDF_ERR_PASSWORD 4 /* password required or incorrect */
#define FPDF_ERR_SECURITY 5 /* unsupported security scheme */
#define FPDF_ERR_PAGE     6 /* page not found or content error */

/* ---- Render flags ---- */
#define FPDF_ANNOT                    0x01
#define FPDF_LCD_TEXT                 0x02
#define FPDF_NO_NATIVETEXT            0x04
#define FPDF_GRAYSCALE                0x08
#define FPDF_DEBUG_INFO               0x80
#define FPDF_NO_CATCH                 0x100
#define FPDF_RENDER_LIMITEDIMAGECACHE 0x200
#define FPDF_RENDER_FORCEHALFTONE     0x400
#define FPDF_PRINTING                 0x800
#define FPDF_RENDER_NO_SMOOTHTEXT     0x1000
#define FPDF_RENDER_NO_SMOOTHIMAGE    0x2000
#define FPDF_RENDER_NO_SMOOTHPATH     0x4000
#define FPDF_REVERSE_BYTE_ORDER       0x10
#define FPDF_CONVERT_FILL_TO_STROKE   0x20

/* ---- Bitmap formats (FPDFBitmap_CreateEx, FPDFBitmap_GetFormat) ---- */
#define FPDFBitmap_Unknown 0
#define FPDFBitmap_Gray    1
#define FPDFBitmap_BGR     2
#define FPDFBitmap_BGRx    3
#define FPDFBitmap_BGRA    4

/* ---- Progressive rendering status (fpdf_progressive.h) ---- */
#define FPDF_RENDER_READY         0
#define FPDF_RENDER_TOBECONTINUED 1
#define FPDF_RENDER_DONE          2
#define FPDF_RENDER_FAILED        3

/* ---- Action types (fpdf_doc.h) ---- */
#define PDFACTION_UNSUPPORTED  0
#define PDFACTION_GOTO         1
#define PDFACTION_REMOTEGOTO   2
#define PDFACTION_URI          3
#define PDFACTION_LAUNCH       4
#define PDFACTION_EMBEDDEDGOTO 5

/* ---- Text search flags (fpdf_text.h); 0 = case-insensitive ---- */
#define FPDF_MATCHCASE        0x00000001
#define FPDF_MATCHWHOLEWORD   0x00000002
#define FPDF_MATCHCONSECUTIVE 0x00000004

/* Custom file access: the engine asks m_GetBlock for `size` bytes at
** `position`; it returns nonzero on success.  Layout as PDFium's. */
typedef struct {
    unsigned long m_FileLen;
    int (*m_GetBlock)(void *param, unsigned long position, unsigned char *pBuf, unsigned long size);
    void *m_Param;
} FPDF_FILEACCESS;

/* Pause callback for progressive rendering; version must be 1.  The engine
** calls NeedToPauseNow between steps; nonzero makes the render return
** FPDF_RENDER_TOBECONTINUED. */
typedef struct _IFSDK_PAUSE {
    int version;
    FPDF_BOOL (*NeedToPauseNow)(struct _IFSDK_PAUSE *pThis);
    void *user;
} IFSDK_PAUSE;

/* Library configuration for FPDF_InitLibraryWithConfig; version 2 or more. */
typedef struct FPDF_LIBRARY_CONFIG_ {
    int version;
    const char **m_pUserFontPaths;
    void *m_pIsolate;
    unsigned int m_v8EmbedderSlot;
    void *m_pPlatform;
    int m_RendererType;
} FPDF_LIBRARY_CONFIG;

/* ---- Library ---- */
FPDF_EXPORT void FPDF_CALLCONV FPDF_InitLibrary(void);
FPDF_EXPORT void FPDF_CALLCONV FPDF_InitLibraryWithConfig(const FPDF_LIBRARY_CONFIG *config);
FPDF_EXPORT void FPDF_CALLCONV FPDF_DestroyLibrary(void);
FPDF_EXPORT unsigned long FPDF_CALLCONV FPDF_GetLastError(void);

/* ---- Documents ---- */
FPDF_EXPORT FPDF_DOCUMENT FPDF_CALLCONV FPDF_LoadMemDocument64(const void *data_buf, size_t size,
                                                               FPDF_BYTESTRING password);
FPDF_EXPORT FPDF_DOCUMENT FPDF_CALLCONV FPDF_LoadMemDocument(const void *data_buf, int size, FPDF_BYTESTRING password);
FPDF_EXPORT FPDF_DOCUMENT FPDF_CALLCONV FPDF_LoadCustomDocument(FPDF_FILEACCESS *pFileAccess, FPDF_BYTESTRING password);
FPDF_EXPORT void FPDF_CALLCONV FPDF_CloseDocument(FPDF_DOCUMENT document);
FPDF_EXPORT int FPDF_CALLCONV FPDF_GetPageCount(FPDF_DOCUMENT document);
FPDF_EXPORT int FPDF_CALLCONV FPDF_GetPageSizeByIndex(FPDF_DOCUMENT document, int page_index, double *width,
                                                      double *height);

/* ---- Pages ---- */
FPDF_EXPORT FPDF_PAGE FPDF_CALLCONV FPDF_LoadPage(FPDF_DOCUMENT document, int page_index);
FPDF_EXPORT void FPDF_CALLCONV FPDF_ClosePage(FPDF_PAGE page);
FPDF_EXPORT double FPDF_CALLCONV FPDF_GetPageWidth(FPDF_PAGE page);
FPDF_EXPORT double FPDF_CALLCONV FPDF_GetPageHeight(FPDF_PAGE page);

/* ---- Bitmaps: alpha 0 gives BGRx, 4 bytes per pixel, rows top-down ---- */
FPDF_EXPORT FPDF_BITMAP FPDF_CALLCONV FPDFBitmap_Create(int width, int height, int alpha);
FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDFBitmap_FillRect(FPDF_BITMAP bitmap, int left, int top, int width, int height,
                                                        FPDF_DWORD color);
FPDF_EXPORT void *FPDF_CALLCONV FPDFBitmap_GetBuffer(FPDF_BITMAP bitmap);
FPDF_EXPORT int FPDF_CALLCONV FPDFBitmap_GetWidth(FPDF_BITMAP bitmap);
FPDF_EXPORT int FPDF_CALLCONV FPDFBitmap_GetHeight(FPDF_BITMAP bitmap);
FPDF_EXPORT int FPDF_CALLCONV FPDFBitmap_GetStride(FPDF_BITMAP bitmap);
FPDF_EXPORT void FPDF_CALLCONV FPDFBitmap_Destroy(FPDF_BITMAP bitmap);

/* ---- Rendering ---- */
FPDF_EXPORT void FPDF_CALLCONV FPDF_RenderPageBitmap(FPDF_BITMAP bitmap, FPDF_PAGE page, int start_x, int start_y,
                                                     int size_x, int size_y, int rotate, int flags);
#ifdef _WIN32
/* Renders onto a device context (screen, memory, metafile or printer). */
FPDF_EXPORT void FPDF_CALLCONV FPDF_RenderPage(HDC dc, FPDF_PAGE page, int start_x, int start_y, int size_x, int size_y,
                                               int rotate, int flags);
#endif
FPDF_EXPORT int FPDF_CALLCONV FPDF_RenderPageBitmap_Start(FPDF_BITMAP bitmap, FPDF_PAGE page, int start_x, int start_y,
                                                          int size_x, int size_y, int rotate, int flags,
                                                          IFSDK_PAUSE *pause);
FPDF_EXPORT int FPDF_CALLCONV FPDF_RenderPage_Continue(FPDF_PAGE page, IFSDK_PAUSE *pause);
FPDF_EXPORT void FPDF_CALLCONV FPDF_RenderPage_Close(FPDF_PAGE page);

/* ---- Coordinates: page space is points with y up ---- */
FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDF_DeviceToPage(FPDF_PAGE page, int start_x, int start_y, int size_x, int size_y,
                                                      int rotate, int device_x, int device_y, double *page_x,
                                                      double *page_y);
FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDF_PageToDevice(FPDF_PAGE page, int start_x, int start_y, int size_x, int size_y,
                                                      int rotate, double page_x, double page_y, int *device_x,
                                                      int *device_y);

/* ---- Text and search ---- */
FPDF_EXPORT FPDF_TEXTPAGE FPDF_CALLCONV FPDFText_LoadPage(FPDF_PAGE page);
FPDF_EXPORT void FPDF_CALLCONV FPDFText_ClosePage(FPDF_TEXTPAGE text_page);
FPDF_EXPORT int FPDF_CALLCONV FPDFText_CountChars(FPDF_TEXTPAGE text_page);
FPDF_EXPORT FPDF_SCHHANDLE FPDF_CALLCONV FPDFText_FindStart(FPDF_TEXTPAGE text_page, FPDF_WIDESTRING findwhat,
                                                            unsigned long flags, int start_index);
FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDFText_FindNext(FPDF_SCHHANDLE handle);
FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDFText_FindPrev(FPDF_SCHHANDLE handle);
FPDF_EXPORT int FPDF_CALLCONV FPDFText_GetSchResultIndex(FPDF_SCHHANDLE handle);
FPDF_EXPORT int FPDF_CALLCONV FPDFText_GetSchCount(FPDF_SCHHANDLE handle);
FPDF_EXPORT void FPDF_CALLCONV FPDFText_FindClose(FPDF_SCHHANDLE handle);
FPDF_EXPORT int FPDF_CALLCONV FPDFText_CountRects(FPDF_TEXTPAGE text_page, int start_index, int count);
FPDF_EXPORT FPDF_BOOL FPDF_CALLCONV FPDFText_GetRect(FPDF_TEXTPAGE text_page, int rect_index, double *left, double *top,
                                                     double *right, double *bottom);

/* ---- Links and actions ---- */
FPDF_EXPORT FPDF_LINK FPDF_CALLCONV FPDFLink_GetLinkAtPoint(FPDF_PAGE page, double x, double y);
FPDF_EXPORT FPDF_ACTION FPDF_CALLCONV FPDFLink_GetAction(FPDF_LINK link);
FPDF_EXPORT unsigned long FPDF_CALLCONV FPDFAction_GetType(FPDF_ACTION action);
/* Copies the URI bytes with a final zero into buffer when buflen is large
** enough; returns the length including that zero (0 on failure). */
FPDF_EXPORT unsigned long FPDF_CALLCONV FPDFAction_GetURIPath(FPDF_DOCUMENT document, FPDF_ACTION action, void *buffer,
                                                              unsigned long buflen);

#ifdef __cplusplus
}
#endif

#endif /* FOLIVEX_PDFIUM_H */
