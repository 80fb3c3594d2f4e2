// Hit-testing and following the links of PDF pages. Only web and mail
// addresses are handed to the shell: other schemes could start programs or
// open local files, and jumps inside the document are not followed.
#include <windows.h>

#include "../app/Shell.h"
#include "../view/Document.h"
#include "../view/Layout.h"
#include "../view/PageCache.h"
#include "../view/Pdfium.h"
#include "Links.h"

typedef HINSTANCE(WINAPI *ShellExecuteWProc)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);

void (*OpenUriHook)(const wchar_t *uri);

// The point is converted with the page's box on the screen, the same box
// the page is rendered into, so the link found is the one under the pointer.
FPDF_LINK LinkAtPoint(int x, int y)
{
    if (!Document.pdf) return NULL;
    PageBox box;
    int index = PageAtClientPoint(&Document, &ViewState, x, y, &box);
    if (index < 0) return NULL;
    FPDF_PAGE page = GetPdfPage(index);
    if (!page) return NULL;
    double pageX = 0;
    double pageY = 0;
    if (!FPDF_DeviceToPage(page, box.x, box.y, box.w, box.h, 0, x, y, &pageX, &pageY)) return NULL;
    return FPDFLink_GetLinkAtPoint(page, pageX, pageY);
}

// Letters match in either case; every other byte must be exactly the
// pattern's, so control characters cannot pass for ':' or '/' (0x1A and
// 0x0F would, if the case bit were simply set on every byte).
static int StartsWith(const char *uri, const char *pattern)
{
    for (; *pattern; uri++, pattern++) {
        unsigned char b = (unsigned char)*uri;
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) b |= 0x20;
        if (b != (unsigned char)*pattern) return 0;
    }
    return 1;
}

int IsFollowedScheme(const char *uri)
{
    return StartsWith(uri, "http://") || StartsWith(uri, "https://") || StartsWith(uri, "mailto:");
}

// Opens an address with the system's default handler. Without shell32's
// function nothing happens, like a handler that is not registered.
static void OpenUri(const wchar_t *uri)
{
    if (OpenUriHook) {
        OpenUriHook(uri);
        return;
    }
    ShellExecuteWProc shellExecute = (ShellExecuteWProc)(void *)GetProcFromLibrary("shell32", "ShellExecuteW");
    if (shellExecute) shellExecute(MainWindow, L"open", uri, NULL, NULL, SW_SHOWNORMAL);
}

// Every failure is silent: a link that cannot be followed simply does
// nothing when clicked.
void FollowLink(FPDF_LINK link)
{
    if (!link || !Document.pdf) return;
    FPDF_ACTION action = FPDFLink_GetAction(link);
    if (!action) return;
    if (FPDFAction_GetType(action) != PDFACTION_URI) return;
    char uri[LINK_URI_BYTES];
    unsigned long n = FPDFAction_GetURIPath(Document.pdf, action, uri, LINK_URI_BYTES);
    // n counts the final zero; an address that needs more room than the
    // buffer was not copied at all.
    if (n < 1 || n > LINK_URI_BYTES) return;
    uri[n - 1] = 0;
    if (!IsFollowedScheme(uri)) return;
    wchar_t wide[LINK_URI_BYTES];
    if (!MultiByteToWideChar(CP_UTF8, 0, uri, -1, wide, LINK_URI_BYTES)) return;
    OpenUri(wide);
}
