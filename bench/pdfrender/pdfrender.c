/*
** pdfrender - renders pages of a PDF through the engine's exported
** interface and reports how long it took.
**
**   pdfrender FILE FIRST LAST WIDTH [OUT.png]
**
** Pages FIRST..LAST (1-based) are rendered WIDTH pixels wide, onto white,
** with FPDF_ANNOT | FPDF_LCD_TEXT, as the reader paints them.  Prints the
** page count, the time to open the document and the milliseconds per page
** (wall clock, and processor time, which a busy machine inflates less);
** with OUT.png the last page is written as a PNG.  Builds for Windows
** against pdfium.dll and natively against the engine's static library.
*/
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "view/Pdfium.h"

#ifdef _WIN32
static double NowMs(void)
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return (double)count.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

/* Processor time of this process (user and kernel). */
static double ProcessorMs(void)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    ULONGLONG k = ((ULONGLONG)kernel.dwHighDateTime << 32) | kernel.dwLowDateTime;
    ULONGLONG u = ((ULONGLONG)user.dwHighDateTime << 32) | user.dwLowDateTime;
    return (double)(k + u) / 10000.0;
}
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
static double NowMs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

static double ProcessorMs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}
#endif

/* Maps a whole file read-only, as the reader does: the engine reads the
** document in place, with no copy in fresh memory.  NULL on failure. */
#ifdef _WIN32
static const unsigned char *MapFile(const char *path, size_t *size)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE) return NULL;
    LARGE_INTEGER length;
    HANDLE mapping = GetFileSizeEx(file, &length) && length.QuadPart > 0
                         ? CreateFileMappingW(file, NULL, PAGE_READONLY, 0, 0, NULL)
                         : NULL;
    CloseHandle(file);
    if (!mapping) return NULL;
    const unsigned char *view = (const unsigned char *)MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    CloseHandle(mapping);
    *size = (size_t)length.QuadPart;
    return view;
}
#else
static const unsigned char *MapFile(const char *path, size_t *size)
{
    int file = open(path, O_RDONLY);
    if (file < 0) return NULL;
    struct stat status;
    void *view = fstat(file, &status) == 0 && status.st_size > 0
                     ? mmap(NULL, (size_t)status.st_size, PROT_READ, MAP_PRIVATE, file, 0)
                     : MAP_FAILED;
    close(file);
    if (view == MAP_FAILED) return NULL;
    *size = (size_t)status.st_size;
    return (const unsigned char *)view;
}
#endif

static uint32_t Crc32(uint32_t crc, const unsigned char *p, size_t n)
{
    crc = ~crc;
    while (n--) {
        crc ^= *p++;
        for (int k = 0; k < 8; k++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

static void Put32(unsigned char *p, uint32_t v)
{
    p[0] = (unsigned char)(v >> 24), p[1] = (unsigned char)(v >> 16);
    p[2] = (unsigned char)(v >> 8), p[3] = (unsigned char)v;
}

static void WriteChunk(FILE *f, const char *type, const unsigned char *data, size_t n)
{
    unsigned char head[8];
    Put32(head, (uint32_t)n);
    memcpy(head + 4, type, 4);
    fwrite(head, 1, 8, f);
    if (n) fwrite(data, 1, n, f); /* IEND has no data at all */
    uint32_t crc = Crc32(Crc32(0, head + 4, 4), data, n);
    Put32(head, crc);
    fwrite(head, 1, 4, f);
}

/* Writes a BGRx bitmap as an RGB PNG with stored (uncompressed) deflate
** blocks: simple, and good enough for checks. */
static int WritePng(const char *path, const unsigned char *bgrx, int width, int height, int stride)
{
    size_t row = (size_t)width * 3 + 1, raw = row * (size_t)height;
    unsigned char *image = (unsigned char *)malloc(raw);
    size_t blocks = raw / 65535 + 1;
    unsigned char *z = (unsigned char *)malloc(raw + blocks * 5 + 6);
    FILE *f = fopen(path, "wb");
    if (!image || !z || !f) return 0;
    for (int y = 0; y < height; y++) {
        unsigned char *out = image + row * y;
        const unsigned char *in = bgrx + (size_t)stride * y;
        *out++ = 0;
        for (int x = 0; x < width; x++, in += 4) *out++ = in[2], *out++ = in[1], *out++ = in[0];
    }
    size_t n = 0, done = 0;
    uint32_t a = 1, b = 0;
    z[n++] = 0x78, z[n++] = 0x01;
    do {
        size_t len = raw - done > 65535 ? 65535 : raw - done;
        z[n++] = done + len == raw;
        z[n++] = (unsigned char)len, z[n++] = (unsigned char)(len >> 8);
        z[n++] = (unsigned char)~len, z[n++] = (unsigned char)(~len >> 8);
        memcpy(z + n, image + done, len);
        n += len, done += len;
    } while (done < raw);
    for (size_t i = 0; i < raw; i++) a = (a + image[i]) % 65521, b = (b + a) % 65521;
    Put32(z + n, (b << 16) | a);
    n += 4;
    unsigned char header[13];
    Put32(header, (uint32_t)width);
    Put32(header + 4, (uint32_t)height);
    header[8] = 8, header[9] = 2, header[10] = header[11] = header[12] = 0;
    fwrite("\x89PNG\r\n\x1a\n", 1, 8, f);
    WriteChunk(f, "IHDR", header, 13);
    WriteChunk(f, "IDAT", z, n);
    WriteChunk(f, "IEND", NULL, 0);
    fclose(f);
    free(image);
    free(z);
    return 1;
}

int main(int argc, char **argv)
{
    if (argc != 5 && argc != 6) {
        fprintf(stderr, "usage: pdfrender FILE FIRST LAST WIDTH [OUT.png]\n");
        return 2;
    }
    int first = atoi(argv[2]), last = atoi(argv[3]), width = atoi(argv[4]);
    size_t size;
    const unsigned char *data = MapFile(argv[1], &size);
    if (!data || first < 1 || last < first || width < 1) {
        fprintf(stderr, "pdfrender: bad arguments or unreadable file\n");
        return 2;
    }
    double start = NowMs();
    FPDF_InitLibrary();
    FPDF_DOCUMENT document = FPDF_LoadMemDocument64(data, size, NULL);
    if (!document) {
        fprintf(stderr, "pdfrender: cannot open %s (error %lu)\n", argv[1], FPDF_GetLastError());
        return 1;
    }
    int count = FPDF_GetPageCount(document);
    double opened = NowMs(), openedCpu = ProcessorMs();
    if (last > count) last = count;
    int rendered = 0;
    for (int index = first - 1; index < last; index++) {
        double w, h;
        if (!FPDF_GetPageSizeByIndex(document, index, &w, &h)) continue;
        int height = (int)(width * h / w + 0.5);
        FPDF_PAGE page = FPDF_LoadPage(document, index);
        FPDF_BITMAP bitmap = FPDFBitmap_Create(width, height, 0);
        if (!page || !bitmap) {
            fprintf(stderr, "pdfrender: page %d failed\n", index + 1);
            return 1;
        }
        FPDFBitmap_FillRect(bitmap, 0, 0, width, height, 0xFFFFFFFF);
        FPDF_RenderPageBitmap(bitmap, page, 0, 0, width, height, 0, FPDF_ANNOT | FPDF_LCD_TEXT);
        rendered++;
        if (index == last - 1 && argc == 6 &&
            !WritePng(argv[5], (const unsigned char *)FPDFBitmap_GetBuffer(bitmap), width, height,
                      FPDFBitmap_GetStride(bitmap))) {
            fprintf(stderr, "pdfrender: cannot write %s\n", argv[5]);
            return 1;
        }
        FPDFBitmap_Destroy(bitmap);
        FPDF_ClosePage(page);
    }
    double finished = NowMs(), finishedCpu = ProcessorMs();
    printf("pages %d\nopen_ms %.1f\nrendered %d\nms_per_page %.2f\ncpu_ms_per_page %.2f\n", count, opened - start,
           rendered, rendered ? (finished - opened) / rendered : 0.0,
           rendered ? (finishedCpu - openedCpu) / rendered : 0.0);
    FPDF_CloseDocument(document);
    FPDF_DestroyLibrary();
    return 0;
}
