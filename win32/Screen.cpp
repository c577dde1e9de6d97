// What the Win32 window knows of its monitor.
#include "Screen.h"

namespace trivelan::win32 {
namespace {

design::PixelRect ToPixelRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

UINT DpiOf(HWND window) {
    // Windows 10 and later give each monitor its own DPI; older ones one for all.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    const FARPROC proc = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (proc != nullptr) {
        return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(proc))(
            window);
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

bool HighContrastOn() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) != 0 &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

design::Screen ScreenOf(HWND window, UINT dpi, DWORD style) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT frame{};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    return {ToPixelRect(monitor.rcMonitor),
            ToPixelRect(monitor.rcWork),
            static_cast<double>(dpi) / USER_DEFAULT_SCREEN_DPI,
            {frame.right - frame.left, frame.bottom - frame.top}};
}

void PlaceWindow(HWND window, const design::Placement& placement, DWORD style) {
    const LONG_PTR wanted = placement.fullScreen ? WS_POPUP : style;
    const LONG_PTR current = GetWindowLongPtrW(window, GWL_STYLE);
    if ((current & ~WS_VISIBLE) != wanted) {
        SetWindowLongPtrW(window, GWL_STYLE, wanted | (current & WS_VISIBLE));
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    RECT outer{};
    RECT inner{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    const int width = placement.client.width + (outer.right - outer.left) - inner.right;
    const int height = placement.client.height + (outer.bottom - outer.top) - inner.bottom;
    if (placement.moveTo) {
        SetWindowPos(window, placement.fullScreen ? HWND_TOP : nullptr, placement.moveTo->x,
                     placement.moveTo->y, width, height,
                     placement.fullScreen ? 0U : SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(window, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace trivelan::win32
