#pragma once

#include <windows.h>

#include "design/Presentation.h"

namespace trivelan::win32 {

// Shows the help over the window, at the window's scale and within its
// monitor's work area, until Escape or its button closes it; its text lists
// the keys this kind of window offers.
void ShowHelp(HWND window, design::Scale scale, const design::Screen& screen, design::Window kind);

}  // namespace trivelan::win32
