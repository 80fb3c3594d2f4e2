// Central-directory reader for ZIP archives held whole in memory.
#ifndef FOLIVEX_ARCHIVE_ZIPREADER_H
#define FOLIVEX_ARCHIVE_ZIPREADER_H

#include "ComicBook.h"

// Appends the image entries of a mapped ZIP archive to a fresh, zero-filled
// book, in directory order.  Returns an open error (0, 1, 2 or 4); the
// entries array is allocated whenever possible, even on failure, and the
// caller frees the book when the result is not 0.
int ReadZipDirectory(ComicBook *book, const BYTE *bytes, uint64_t size);

// The same listing for opening a comic: the local headers are read through
// the file at path, and the stored images whose header is in the same read
// get their pixel size, which saves touching one page of the mapping per
// page of the comic. Without the file (no path, or not the mapped one) it
// is ReadZipDirectory.
int ListZipComic(ComicBook *book, const wchar_t *path, const BYTE *bytes, uint64_t size);

#endif
