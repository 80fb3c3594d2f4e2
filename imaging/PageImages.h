// Decoded comic pages: the per-book cache of page images, the synchronous
// decode the painter uses, and the one background worker that decodes the
// pages next to the view (and comic thumbnails) ahead of the reader.
#ifndef FOLIVEX_IMAGING_PAGEIMAGES_H
#define FOLIVEX_IMAGING_PAGEIMAGES_H

#include <windows.h>
#include <stdint.h>

#include "../archive/ComicBook.h"

// Most pixel bytes the cache of one book keeps (256 MiB). A single larger
// image is still kept, alone.
#define PAGE_IMAGE_CACHE_BUDGET 0x10000000ull

// One job of the worker, from hand-over until its WM_APP_PAGE_DECODED
// message has been handled.
struct DecodeRequest {
    ComicBook *owner; // null once the book was closed while the job ran
    int32_t page;
    int32_t width;
    int32_t height;
    uint32_t toCache;    // 1: page image for the cache; 0: thumbnail
    BYTE *pixels;        // width * height * 4 bytes
    HBITMAP thumbBitmap; // thumbnail jobs: the DIB section owning pixels
    uint32_t succeeded;  // written by the worker
};

// The worker's hand-over state; touched by the UI thread except where the
// worker's loop says otherwise.
extern DecodeRequest *currentRequest;
extern HANDLE wakeEvent;
extern HANDLE doneEvent;
extern HANDLE workerThread;

// The size a page image is decoded at when drawn at w x h: the drawn size,
// or the image's natural size when drawn larger (the painter upscales).
void PageDecodeSize(const ComicBook *comic, int page, int w, int h, int *decodeWidth, int *decodeHeight);

PageImageSlot *FindCachedImage(ComicBook *comic, int page, int width, int height);

// Files a decoded image, evicting the least recently used ones as needed.
// Always takes ownership of pixels (freed when it cannot be stored).
PageImageSlot *StoreCachedImage(ComicBook *comic, int page, int width, int height, BYTE *pixels);

// The page's image at the given decode size, from the cache or decoded now
// on the UI thread; null when the page cannot be decoded.
PageImageSlot *GetPageImage(ComicBook *comic, int page, int width, int height);

// Hands a job to the worker: 1 when taken, 0 when the worker is busy or
// resources are short (the caller then still owns pixels and thumbBitmap).
int SubmitDecodeRequest(ComicBook *owner, int page, int width, int height, int toCache, BYTE *pixels,
                        HBITMAP thumbBitmap);

// 1 while a job is outstanding (also while its result waits in the queue).
int IsDecodeBusy(void);

// Asks the worker for a page drawn at width x height: 1 when a job was
// attempted, 0 when nothing was to be done.
int RequestPrefetch(ComicBook *comic, int page, int width, int height);

// The worker's result arriving on the UI thread (the message's lParam).
void OnPageDecoded(LPARAM request);

// Blocks until the worker no longer works for the book; its outstanding job
// then belongs to nobody and is discarded when its message arrives.
void WaitForComicDecode(ComicBook *comic);

// Gives the comic model the pipeline's two services (ComicMeasureHook and
// ComicWaitHook); start-up calls it once.
void InstallComicImaging(void);

// Takes over the bitmap of a finished thumbnail job whose book is still open;
// installed by the thumbnail panel. While it is null the bitmap is deleted.
extern void (*ThumbDecodedHook)(int page, HBITMAP bitmap, int succeeded);

// Set by the worker when it could not create its WIC factory: every job it
// takes then fails without trying, so prefetching stops.
extern volatile LONG WorkerCannotDecode;

// The worker thread's procedure.
DWORD WINAPI DecodeWorkerProc(LPVOID unused);

#endif
