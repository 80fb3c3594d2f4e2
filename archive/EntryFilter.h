// Which archive entries are comic pages, and their pixel size read from the
// first bytes of the image, without starting a decoder.
#ifndef FOLIVEX_ARCHIVE_ENTRYFILTER_H
#define FOLIVEX_ARCHIVE_ENTRYFILTER_H

#include <windows.h>
#include <stdint.h>

// True when a path inside an archive names an image page (known image
// extension, no __MACOSX folder, no dot file).
bool IsComicImageName(const wchar_t *name);

// Reads the pixel size from a PNG, GIF, BMP, WebP or JPEG header.  True when
// the header was understood and both dimensions are positive; on false the
// outputs may hold partial values.
bool ProbeImageSize(const BYTE *bytes, uint64_t size, int32_t *width, int32_t *height);

#endif
