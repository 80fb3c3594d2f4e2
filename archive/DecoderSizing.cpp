// Stand-ins for the image pipeline, for builds that have the archive code
// without it: the archive unit tests and the native sanitizer and fuzzing
// build.  The program itself links imaging/ instead, which measures entries
// with a size-only decode and waits for its decode worker.
//
// Here an entry the header probe cannot measure keeps width and height 0
// and is laid out with the 5:7 fallback shape; undecodable stays 0.  There
// is no worker, so nothing is ever waited for.
#include "ComicBook.h"

void MeasureEntryWithDecoder(ArchiveEntry *entry)
{
    (void)entry;
}

void WaitForComicDecode(ComicBook *book)
{
    (void)book;
}
