// Decoded comic pages: cache, synchronous decode and the background worker.
//
// The cache of a book lives in its decodedSlots and is touched only on the
// UI thread. The worker takes one job at a time: the UI thread fills a
// DecodeRequest, resets doneEvent and signals wakeEvent; the worker decodes,
// sets doneEvent and posts WM_APP_PAGE_DECODED back. The job stays
// outstanding (currentRequest) until that message has been handled, so the
// UI thread never hands out a second job while a result is on its way.
#include <windows.h>

#include "../app/Shell.h"
#include "Decode.h"
#include "PageImages.h"

DecodeRequest *currentRequest;
HANDLE wakeEvent;
HANDLE doneEvent;
HANDLE workerThread;
volatile LONG WorkerCannotDecode;
void (*ThumbDecodedHook)(int page, HBITMAP bitmap, int succeeded);

// The bytes an occupied slot holds.
static uint64_t SlotBytes(const PageImageSlot *slot)
{
    return (uint64_t)slot->width * (uint64_t)slot->height * 4;
}

void PageDecodeSize(const ComicBook *comic, int page, int w, int h, int *decodeWidth, int *decodeHeight)
{
    *decodeWidth = w;
    *decodeHeight = h;
    if (page < 0 || page >= comic->entryCount) return;
    const ArchiveEntry *entry = &comic->entries[page];
    // Never ask WIC to enlarge: the painter upscales from the natural size.
    if (entry->width >= 1 && w > entry->width) {
        *decodeWidth = entry->width;
        *decodeHeight = entry->height;
    }
}

PageImageSlot *FindCachedImage(ComicBook *comic, int page, int width, int height)
{
    for (int i = 0; i < DECODED_SLOT_COUNT; i++) {
        PageImageSlot *slot = &comic->decodedSlots[i];
        if (slot->pixels && slot->page == (uint32_t)page && slot->width == width && slot->height == height) {
            slot->stamp = ++comic->slotClock;
            return slot;
        }
    }
    return NULL;
}

PageImageSlot *StoreCachedImage(ComicBook *comic, int page, int width, int height, BYTE *pixels)
{
    if (!pixels) return NULL;
    uint64_t need = ImageBufferBytes(width, height);
    if (!need) {
        HeapFree(GetProcessHeap(), 0, pixels);
        return NULL;
    }
    for (;;) {
        PageImageSlot *empty = NULL;
        PageImageSlot *victim = NULL;
        for (int i = 0; i < DECODED_SLOT_COUNT; i++) {
            PageImageSlot *slot = &comic->decodedSlots[i];
            if (!slot->pixels) {
                if (!empty) empty = slot;
            } else if (!victim || slot->stamp < victim->stamp) {
                // Strictly smaller: on equal stamps the lower index stays the victim.
                victim = slot;
            }
        }
        // Once nothing else is held, even an image larger than the budget
        // gets in, alone.
        if (empty && (comic->cachedBytes + need <= PAGE_IMAGE_CACHE_BUDGET || !victim)) {
            empty->pixels = pixels;
            empty->page = (uint32_t)page;
            empty->width = width;
            empty->height = height;
            empty->stamp = ++comic->slotClock;
            comic->cachedBytes += need;
            return empty;
        }
        if (!victim) break;
        comic->cachedBytes -= SlotBytes(victim);
        HeapFree(GetProcessHeap(), 0, victim->pixels);
        victim->pixels = NULL;
    }
    HeapFree(GetProcessHeap(), 0, pixels);
    return NULL;
}

PageImageSlot *GetPageImage(ComicBook *comic, int page, int width, int height)
{
    if (page < 0 || page >= comic->entryCount || width <= 0 || height <= 0) return NULL;
    ArchiveEntry *entry = &comic->entries[page];
    if (entry->undecodable) return NULL;
    PageImageSlot *slot = FindCachedImage(comic, page, width, height);
    if (slot) return slot;
    int decodeFailed = 0;
    BYTE *pixels = DecodeIntoNewBuffer(entry, width, height, &decodeFailed);
    if (decodeFailed) entry->undecodable = 1;
    return pixels ? StoreCachedImage(comic, page, width, height, pixels) : NULL;
}

DWORD WINAPI DecodeWorkerProc(LPVOID unused)
{
    (void)unused;
    IWICImagingFactory *factory = CreateImagingFactory(IMAGING_COINIT_WORKER);
    if (!factory) InterlockedExchange(&WorkerCannotDecode, 1);
    for (;;) {
        WaitForSingleObject(wakeEvent, INFINITE);
        DecodeRequest *request = currentRequest;
        if (!request) continue;
        // The owner cannot go away during the job: closing a book waits on
        // doneEvent before it lets go of the request.
        const ArchiveEntry *entry = &request->owner->entries[request->page];
        uint32_t succeeded = 0;
        if (factory && !entry->undecodable) {
            succeeded =
                DecodeImage(factory, entry, request->width, request->height, request->pixels, NULL, NULL) ? 1 : 0;
        }
        request->succeeded = succeeded;
        SetEvent(doneEvent);
        PostMessageW(MainWindow, WM_APP_PAGE_DECODED, 0, (LPARAM)request);
    }
}

// Creates the events and the worker on first use; a failed start is tried
// again by the next submission.
static int StartDecodeWorker(void)
{
    if (workerThread) return 1;
    if (!wakeEvent) wakeEvent = CreateEventW(NULL, FALSE, FALSE, NULL);
    if (!doneEvent) doneEvent = CreateEventW(NULL, TRUE, TRUE, NULL);
    if (!wakeEvent || !doneEvent) return 0;
    workerThread = CreateThread(NULL, 0, DecodeWorkerProc, NULL, 0, NULL);
    if (!workerThread) return 0;
    SetThreadPriority(workerThread, THREAD_PRIORITY_BELOW_NORMAL);
    return 1;
}

int SubmitDecodeRequest(ComicBook *owner, int page, int width, int height, int toCache, BYTE *pixels,
                        HBITMAP thumbBitmap)
{
    if (currentRequest) return 0;
    if (!owner || page < 0 || page >= owner->entryCount) return 0;
    uint64_t bytes = ImageBufferBytes(width, height);
    if (!bytes) return 0;
    if (!StartDecodeWorker()) return 0;
    DecodeRequest *request = (DecodeRequest *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(DecodeRequest));
    if (!request) return 0;
    request->owner = owner;
    request->page = page;
    request->width = width;
    request->height = height;
    request->toCache = toCache ? 1 : 0;
    request->thumbBitmap = thumbBitmap;
    request->pixels = pixels ? pixels : (BYTE *)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)bytes);
    if (!request->pixels) {
        HeapFree(GetProcessHeap(), 0, request);
        return 0;
    }
    ResetEvent(doneEvent);
    currentRequest = request;
    SetEvent(wakeEvent);
    return 1;
}

int IsDecodeBusy(void)
{
    return currentRequest != NULL;
}

void OnPageDecoded(LPARAM lParam)
{
    DecodeRequest *request = (DecodeRequest *)lParam;
    if (!request) return;
    if (request == currentRequest) currentRequest = NULL;
    if (!request->toCache) {
        if (request->owner) {
            if (ThumbDecodedHook) {
                ThumbDecodedHook(request->page, request->thumbBitmap, (int)request->succeeded);
            } else if (request->thumbBitmap) {
                DeleteObject(request->thumbBitmap);
            }
        } else if (request->thumbBitmap) {
            DeleteObject(request->thumbBitmap);
        }
    } else {
        ComicBook *owner = request->owner;
        if (owner && request->succeeded && !FindCachedImage(owner, request->page, request->width, request->height)) {
            StoreCachedImage(owner, request->page, request->width, request->height, request->pixels);
        } else {
            HeapFree(GetProcessHeap(), 0, request->pixels);
        }
        // The worker and the painter run the same decoder on the same bytes,
        // so a page the worker could not decode would fail in the painter
        // too: mark it now, or the idle loop would hand it back to the worker
        // on every pass. A worker without WIC never tried, and marks nothing.
        if (owner && !request->succeeded && !WorkerCannotDecode) owner->entries[request->page].undecodable = 1;
    }
    HeapFree(GetProcessHeap(), 0, request);
}

int RequestPrefetch(ComicBook *comic, int page, int width, int height)
{
    if (page < 0 || page >= comic->entryCount) return 0;
    PageDecodeSize(comic, page, width, height, &width, &height);
    if (comic->entries[page].undecodable || width <= 0 || height <= 0) return 0;
    // Sizes the decoder would refuse, and a worker that cannot decode
    // anything, leave the page to the painter.
    if (!ImageBufferBytes(width, height) || WorkerCannotDecode) return 0;
    if (FindCachedImage(comic, page, width, height)) return 0;
    SubmitDecodeRequest(comic, page, width, height, 1, NULL, NULL);
    return 1;
}

void WaitForComicDecode(ComicBook *comic)
{
    if (!comic || !currentRequest || currentRequest->owner != comic) return;
    WaitForSingleObject(doneEvent, INFINITE);
    currentRequest->owner = NULL;
}

void InstallComicImaging(void)
{
    ComicMeasureHook = MeasureEntryWithDecoder;
    ComicWaitHook = WaitForComicDecode;
}
