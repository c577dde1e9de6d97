#pragma once

#include <windows.h>

#include <string_view>

namespace trivelan::win32 {

// Draws an owner-drawn push button as a classic one filled flat with its
// face colour, its caption in the text colour chosen with it: a standard push
// button cannot take a face colour.
void DrawColourButton(const DRAWITEMSTRUCT& item, HBRUSH face, COLORREF text, HFONT font,
                      std::u16string_view caption);

}  // namespace trivelan::win32
