// Process entry of Folivex.exe. There is no C runtime start-up: the linker's
// entry symbol is FolivexEntry, which builds the windows, runs the message
// loop and ends the process with ExitProcess.
#include <windows.h>

static const wchar_t MAIN_CLASS[] = L"Folivex";
static const wchar_t VIEW_CLASS[] = L"FolivexView";

static int IsFrench;
static int ScreenDpi;
static HFONT MessageFont;
static HWND MainWindow;
static HWND ViewWindow;

static int ScaleDpi(int value)
{
    return MulDiv(value, ScreenDpi, 96);
}

// The hint shown while no document is open: grey, one centred line.
static void PaintEmptyHint(HWND hwnd, HDC hdc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, (HBRUSH)GetStockObject(GRAY_BRUSH));
    HGDIOBJ oldFont = SelectObject(hdc, MessageFont);
    SetBkMode(hdc, TRANSPARENT);
    const wchar_t *hint = IsFrench
        ? L"Ctrl+O ou glisser ici un PDF ou une BD (CBZ, CBR)      F1 : \u00e0 propos"
        : L"Ctrl+O or drop a PDF or a comic (CBZ, CBR) here      F1: about";
    DrawTextW(hdc, hint, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(hdc, oldFont);
}

// Ctrl+W closes the program; every other key is left alone for now.
static int HandleCommandKey(WPARAM vk)
{
    if (GetKeyState(VK_CONTROL) >= 0) return 0;
    if (vk == 'W') {
        DestroyWindow(MainWindow);
        return 1;
    }
    return 0;
}

static LRESULT CALLBACK ViewWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        PaintEmptyHint(hwnd, hdc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SIZE:
        InvalidateRect(hwnd, NULL, FALSE);
        return 0;
    case WM_KEYDOWN:
        HandleCommandKey(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

static LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SIZE:
        if (ViewWindow) MoveWindow(ViewWindow, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (ViewWindow) SetFocus(ViewWindow);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

static void ReadPresentationValues(void)
{
    IsFrench = (GetUserDefaultUILanguage() & 0x3FF) == 12;
    HDC screen = GetDC(NULL);
    ScreenDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(NULL, screen);
    NONCLIENTMETRICSW ncm;
    ZeroMemory(&ncm, sizeof ncm);
    ncm.cbSize = 504;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 504, &ncm, 0);
    MessageFont = CreateFontIndirectW(&ncm.lfMessageFont);
}

static void RegisterWindowClass(HINSTANCE instance, const wchar_t *name, WNDPROC proc)
{
    WNDCLASSEXW wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(NULL, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

extern "C" void FolivexEntry(void)
{
    HINSTANCE instance = GetModuleHandleW(NULL);
    ReadPresentationValues();
    RegisterWindowClass(instance, MAIN_CLASS, MainWindowProc);
    RegisterWindowClass(instance, VIEW_CLASS, ViewWindowProc);
    MainWindow = CreateWindowExW(WS_EX_ACCEPTFILES, MAIN_CLASS, L"Folivex",
                                 WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, 0,
                                 ScaleDpi(900), ScaleDpi(1000), NULL, NULL, instance, NULL);
    ViewWindow = CreateWindowExW(0, VIEW_CLASS, NULL, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL,
                                 0, 0, 0, 0, MainWindow, NULL, instance, NULL);
    RECT client;
    GetClientRect(MainWindow, &client);
    SendMessageW(MainWindow, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    ShowWindow(MainWindow, SW_SHOWDEFAULT);
    UpdateWindow(MainWindow);

    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    ExitProcess(0);
}
