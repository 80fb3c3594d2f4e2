// Fuzz target: the Deflate decoder.  The first two input bytes choose the
// destination size, so that prefix reads and full outputs are both reached;
// the destination is allocated to that exact size so any write past it is
// caught.  zlib decodes the same stream into the same room: where it finds a
// whole valid stream, ours must give the same bytes, and where it fills the
// room, ours must agree on every byte or fail.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <zlib.h>

#include "archive/Inflate.h"

// zlib's count for a stream that ends in the room, -2 for a room it fills
// first, -1 for anything it refuses.
static int64_t ZlibInflate(const uint8_t *data, size_t size, BYTE *out, uint64_t room)
{
    z_stream z = {};
    if (inflateInit2(&z, -15) != Z_OK) return -1;
    z.next_in = (Bytef *)data;
    z.avail_in = (uInt)size;
    z.next_out = out;
    z.avail_out = (uInt)room;
    int status = inflate(&z, Z_FINISH);
    int64_t written = (int64_t)z.total_out;
    inflateEnd(&z);
    if (status == Z_STREAM_END) return written;
    return z.avail_out == 0 ? -2 : -1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2) return 0;
    uint64_t room = (uint64_t)data[0] | ((uint64_t)data[1] << 8);
    BYTE *destination = (BYTE *)malloc(room > 0 ? room : 1);
    BYTE *expected = (BYTE *)malloc(room > 0 ? room : 1);
    if (!destination || !expected) abort();
    int64_t written = InflateEntry(data + 2, size - 2, destination, room);
    if (written < -1 || written > (int64_t)room) abort();
    int64_t reference = ZlibInflate(data + 2, size - 2, expected, room);
    // A whole stream gives zlib's bytes; a filled room, if ours succeeds, the same full room.
    int64_t agreed = reference >= 0 ? reference : reference == -2 && written >= 0 ? (int64_t)room : -1;
    if (agreed >= 0 && (written != agreed || memcmp(destination, expected, (size_t)agreed) != 0)) abort();
    // The same stream with a one-byte window must agree on its first byte.
    if (written > 0) {
        BYTE first = 0;
        int64_t one = InflateEntry(data + 2, size - 2, &first, 1);
        if (one != 1 || first != destination[0]) abort();
    }
    free(expected);
    free(destination);
    return 0;
}
