#pragma once

#include <windows.h>

#include <string_view>

namespace trivelan::win32 {

// Draws an owner-drawn push button as a classic one filled flat with its
// design colour: a standard push button cannot take a face colour.
void DrawColourButton(const DRAWITEMSTRUCT& item, HBRUSH face, HFONT font,
                      std::u16string_view caption);

}  // namespace trivelan::win32
