// PDF page cache: sixteen slots recycled first-in first-out.
#include <windows.h>

#include "Document.h"
#include "PageCache.h"

PageCacheRecord PageCache;

// A hit changes nothing; a miss takes the next slot in round-robin order,
// so the pages kept are those of the last sixteen misses. A page that
// fails to load leaves its slot empty and is tried again next time.
FPDF_PAGE GetPdfPage(int index)
{
    for (int i = 0; i < PAGE_CACHE_SLOTS; i++) {
        PageCacheSlot *slot = &PageCache.slots[i];
        if (slot->page && slot->pageIndex == index) return slot->page;
    }
    PageCacheSlot *victim = &PageCache.slots[PageCache.nextVictim];
    PageCache.nextVictim = (PageCache.nextVictim + 1) % PAGE_CACHE_SLOTS;
    if (victim->page) FPDF_ClosePage(victim->page);
    victim->pageIndex = index;
    victim->page = FPDF_LoadPage(Document.pdf, index);
    return victim->page;
}

// The cursor is left where it is: it only spreads the misses over the
// slots and has no meaning tied to a document.
void EmptyPageCache(void)
{
    for (int i = 0; i < PAGE_CACHE_SLOTS; i++) {
        PageCacheSlot *slot = &PageCache.slots[i];
        if (slot->page) {
            FPDF_ClosePage(slot->page);
            slot->page = NULL;
        }
    }
}
