// Inflate throughput on the generated Deflate streams: whole entries and the
// 64 KiB prefix that page sizing reads.  Not a test: it only prints timings.
//
//   bench/inflate/run.sh
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <string>
#include <vector>

#include "archive/Inflate.h"

static std::vector<BYTE> ReadFile(const std::string &path)
{
    std::vector<BYTE> bytes;
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
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec + (double)now.tv_nsec * 1e-9;
}

// Runs one stream for about half a second and prints MB/s of output.
static void Measure(const char *name, const std::vector<BYTE> &stream, size_t room)
{
    std::vector<BYTE> out(room > 0 ? room : 1);
    long runs = 0;
    uint64_t bytes = 0;
    double start = Seconds(), elapsed = 0;
    do {
        int64_t n = InflateEntry(stream.data(), stream.size(), out.data(), room);
        if (n < 0) {
            printf("%-14s failed\n", name);
            return;
        }
        bytes += (uint64_t)n;
        runs++;
        elapsed = Seconds() - start;
    } while (elapsed < 0.5);
    printf("%-14s %8zu bytes  %9.1f MB/s  %8.1f us/run\n", name, room, bytes / elapsed / 1e6, elapsed / runs * 1e6);
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s FIXTURE_DIR\n", argv[0]);
        return 2;
    }
    const char *names[] = {"text", "noise", "fixed", "mixed", "stored", "huffman-only"};
    for (const char *name : names) {
        std::string base = std::string(argv[1]) + "/deflate/" + name;
        std::vector<BYTE> stream = ReadFile(base + ".bin");
        std::vector<BYTE> expected = ReadFile(base + ".out");
        if (stream.empty()) {
            fprintf(stderr, "missing %s.bin\n", base.c_str());
            return 1;
        }
        Measure(name, stream, expected.size());
        if (expected.size() > 65536) Measure((std::string(name) + " prefix").c_str(), stream, 65536);
    }
    return 0;
}
