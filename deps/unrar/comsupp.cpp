// _bstr_t (isnt.cpp's Windows 11 check) needs this function of Microsoft's comsupp.lib, which MinGW lacks.
#include <windows.h>
#include <comutil.h>

BSTR WINAPI _com_util::ConvertStringToBSTR(const char *text)
{
    if (!text) return NULL;
    int units = MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
    if (units <= 0) return NULL;
    BSTR result = SysAllocStringLen(NULL, (UINT)(units - 1));
    if (result) MultiByteToWideChar(CP_ACP, 0, text, -1, result, units);
    return result;
}
