// Fuzz target: the Deflate decoder.  The first two input bytes choose the
// destination size, so that prefix reads and full outputs are both reached;
// the destination is allocated to that exact size so any write past it is
// caught.
#include <stdint.h>
#include <stdlib.h>

#include "archive/Inflate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    uint64_t room = (uint64_t)data[0] | ((uint64_t)data[1] << 8);
    BYTE *destination = (BYTE *)malloc(room > 0 ? room : 1);
    if (!destination) return 0;
    int64_t written = InflateEntry(data + 2, size - 2, destination, room);
    if (written < -1 || written > (int64_t)room) abort();
    // The same stream with a one-byte window must agree on its first byte.
    if (written > 0) {
        BYTE first = 0;
        int64_t one = InflateEntry(data + 2, size - 2, &first, 1);
        if (one != 1 || first != destination[0]) abort();
    }
    free(destination);
    return 0;
}
