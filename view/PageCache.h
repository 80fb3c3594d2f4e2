// The sixteen most recently loaded pages of the open PDF, shared by
// painting, search, links and printing.
#ifndef FOLIVEX_PAGECACHE_H
#define FOLIVEX_PAGECACHE_H

#include "Pdfium.h"

#define PAGE_CACHE_SLOTS 16

struct PageCacheSlot {
    int pageIndex;
    FPDF_PAGE page; // null: the slot is empty
};

struct PageCacheRecord {
    PageCacheSlot slots[PAGE_CACHE_SLOTS];
    int nextVictim;
};

extern PageCacheRecord PageCache;

// The loaded page for an index of the open PDF, or null when the engine
// cannot load it. The cache owns the page: use it at once, never close it.
FPDF_PAGE GetPdfPage(int index);

// Closes every cached page; called before the document itself is closed.
void EmptyPageCache(void);

#endif
