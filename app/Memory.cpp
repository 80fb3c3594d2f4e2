// The compiler may emit calls to these four functions for structure copies,
// zero-initialised arrays and the like. Folivex.exe links no C runtime, so the
// program provides them itself. The string instructions are used instead of
// loops because GCC would otherwise recognise a byte loop as memset or memcpy
// and compile it into a call to the very function being defined.
#include <intrin.h>
#include <stddef.h>

extern "C" {

void *memcpy(void *dest, const void *src, size_t count)
{
    __movsb((unsigned char *)dest, (const unsigned char *)src, count);
    return dest;
}

void *memset(void *dest, int value, size_t count)
{
    __stosb((unsigned char *)dest, (unsigned char)value, count);
    return dest;
}

// Overlapping copies go backwards when the destination lies above the source,
// so every byte is read before it is overwritten.
void *memmove(void *dest, const void *src, size_t count)
{
    unsigned char *d = (unsigned char *)dest;
    const unsigned char *s = (const unsigned char *)src;
    if (d <= s || d >= s + count) {
        __movsb(d, s, count);
    } else {
        while (count > 0) {
            count--;
            d[count] = s[count];
        }
    }
    return dest;
}

int memcmp(const void *a, const void *b, size_t count)
{
    const unsigned char *x = (const unsigned char *)a;
    const unsigned char *y = (const unsigned char *)b;
    for (size_t i = 0; i < count; i++) {
        if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
    }
    return 0;
}
}
