// Fuzz target: the image header probe, plus the name filter and the
// natural comparison on the same bytes read as UTF-16 names.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "archive/ComicBook.h"
#include "archive/EntryFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    int32_t width = 0, height = 0;
    if (ProbeImageSize(data, size, &width, &height) && (width <= 0 || height <= 0)) abort();
    // Names: split the input into two NUL-terminated UTF-16 strings.
    size_t units = size / 2;
    wchar_t *text = (wchar_t *)malloc((units + 2) * sizeof(wchar_t));
    if (!text) return 0;
    memcpy(text, data, units * sizeof(wchar_t));
    text[units] = text[units + 1] = 0;
    IsComicImageName(text);
    // Cut the name in two at its middle; both halves stay NUL-terminated
    // because of the two NULs after the last unit.
    size_t half = units / 2;
    text[half] = 0;
    const wchar_t *a = text, *b = text + half + 1;
    int ab = CompareNatural(a, b), ba = CompareNatural(b, a);
    if ((ab > 0 && ba > 0) || (ab < 0 && ba < 0)) abort();
    if (CompareNatural(a, a) != 0) abort();
    free(text);
    return 0;
}
