// InflateEntry against zlib's raw inflate on the same streams in the same
// process: output MB/s of each (best of 7 samples, taken in turn so that
// both see the same machine load) and their ratio, above 1 when ours is
// faster.  A 64 KiB prefix read, as page sizing does it, is timed too.
// Times are the thread's CPU time, which other processes on a shared
// machine do not lengthen.  Not a test: it only prints timings (and stops
// if an output is wrong).
//
//   bench/inflate/run.sh
#include <windows.h>

#include <stdio.h>
#include <string.h>
#include <time.h>

#include <string>
#include <vector>

#include <zlib.h>

#include "archive/Inflate.h"

typedef std::vector<BYTE> Bytes;

static Bytes ReadFile(const std::string &path)
{
    Bytes bytes;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file) return bytes;
    BYTE buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
    fclose(file);
    return bytes;
}

static double Seconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return (double)now.tv_sec + (double)now.tv_nsec * 1e-9;
}

static int64_t InflateWithZlib(const Bytes &stream, BYTE *out, size_t room)
{
    z_stream z;
    memset(&z, 0, sizeof(z));
    if (inflateInit2(&z, -15) != Z_OK) return -1;
    z.next_in = (Bytef *)stream.data();
    z.avail_in = (uInt)stream.size();
    z.next_out = out;
    z.avail_out = (uInt)room;
    int status = inflate(&z, Z_FINISH);
    int64_t written = (int64_t)z.total_out;
    inflateEnd(&z);
    return status == Z_STREAM_END || (status == Z_BUF_ERROR && z.avail_out == 0) ? written : -1;
}

static int64_t Decode(bool zlib, const Bytes &stream, Bytes *out, size_t room)
{
    return zlib ? InflateWithZlib(stream, out->data(), room)
                : InflateEntry(stream.data(), stream.size(), out->data(), room);
}

// Seconds per decode, over `runs` decodes.
static double Sample(bool zlib, const Bytes &stream, Bytes *out, size_t room, int runs)
{
    double start = Seconds();
    for (int i = 0; i < runs; i++) Decode(zlib, stream, out, room);
    return (Seconds() - start) / runs;
}

// Checks both outputs, then times samples of about 50 ms each.
static bool Measure(const char *name, const Bytes &stream, const Bytes &expected, size_t room)
{
    Bytes out(room);
    for (int zlib = 0; zlib < 2; zlib++) {
        if (Decode(zlib, stream, &out, room) != (int64_t)room || memcmp(out.data(), expected.data(), room) != 0) {
            printf("%-14s %s gives a wrong output\n", name, zlib ? "zlib" : "InflateEntry");
            return false;
        }
    }
    double once = Sample(false, stream, &out, room, 1);
    int runs = 1 + (int)(0.05 / (once > 1e-7 ? once : 1e-7));
    double best[2] = {1e9, 1e9};
    for (int sample = 0; sample < 7; sample++) {
        for (int zlib = 0; zlib < 2; zlib++) {
            double t = Sample(zlib, stream, &out, room, runs);
            if (t < best[zlib]) best[zlib] = t;
        }
    }
    printf("%-14s %8zu bytes  ours %7.1f MB/s  zlib %7.1f MB/s  ratio %.2f\n", name, room, room / best[0] / 1e6,
           room / best[1] / 1e6, best[1] / best[0]);
    return true;
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s STREAM_DIR\n", argv[0]);
        return 2;
    }
    const char *names[] = {"text", "pixels", "png", "random"};
    for (const char *name : names) {
        std::string base = std::string(argv[1]) + "/" + name;
        Bytes stream = ReadFile(base + ".bin");
        Bytes expected = ReadFile(base + ".out");
        if (stream.empty() || expected.empty()) {
            fprintf(stderr, "missing %s.bin or .out\n", base.c_str());
            return 1;
        }
        if (!Measure(name, stream, expected, expected.size())) return 1;
        std::string prefix = std::string(name) + " 64K";
        if (!Measure(prefix.c_str(), stream, expected, 65536)) return 1;
    }
    return 0;
}
