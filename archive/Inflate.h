// Raw Deflate decoder (no zlib or gzip wrapper) for ZIP entries.
#ifndef FOLIVEX_ARCHIVE_INFLATE_H
#define FOLIVEX_ARCHIVE_INFLATE_H

#include <windows.h>
#include <stdint.h>

// Decodes a raw Deflate stream into destination, stopping as soon as it is
// full (a prefix read counts as success).  Returns the number of bytes
// written, or -1 on any error.  Keeps no state between calls.
int64_t InflateEntry(const BYTE *source, uint64_t sourceLength, BYTE *destination, uint64_t destinationLength);

#endif
