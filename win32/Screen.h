#pragma once

#include <windows.h>

#include "design/Presentation.h"

namespace trivelan::win32 {

// The dots per inch of the monitor a window stands on.
[[nodiscard]] UINT DpiOf(HWND window);

// Whether the system's high-contrast theme is on.
[[nodiscard]] bool HighContrastOn();

// The monitor a window stands on, as the presentation rules count it: in
// device pixels, with the frame a window of this style adds to its client area.
[[nodiscard]] design::Screen ScreenOf(HWND window, UINT dpi, DWORD style);

// The window at the placement's size, and where it asks, in this style or in
// full screen as a borderless window the size of the monitor, which needs no
// window manager's help.
void PlaceWindow(HWND window, const design::Placement& placement, DWORD style);

}  // namespace trivelan::win32
