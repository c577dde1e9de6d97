#pragma once

#include <windows.h>

#include "design/Presenter.h"

namespace trivelan::win32 {

// Shows the help over the window, at the window's scale and within its
// monitor's work area, until Escape or its button closes it.
void ShowHelp(HWND window, const design::HelpBox& help, const design::Screen& screen);

}  // namespace trivelan::win32
