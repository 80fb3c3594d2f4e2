// Central-directory reader for ZIP archives held whole in memory.
#ifndef FOLIVEX_ARCHIVE_ZIPREADER_H
#define FOLIVEX_ARCHIVE_ZIPREADER_H

#include "ComicBook.h"

// Appends the image entries of a mapped ZIP archive to a fresh, zero-filled
// book, in directory order.  Returns an open error (0, 1, 2 or 4); the
// entries array is allocated whenever possible, even on failure, and the
// caller frees the book when the result is not 0.
int ReadZipDirectory(ComicBook *book, const BYTE *bytes, uint64_t size);

#endif
