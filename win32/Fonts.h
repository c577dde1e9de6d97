#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "Gdi.h"
#include "design/Colours.h"
#include "design/FormDesign.h"
#include "design/Twips.h"

namespace trivelan::win32 {

// The design's font (Times New Roman, regular, Cyrillic) at a size in points,
// for a window laid out in device pixels.
[[nodiscard]] UniqueFont DesignFont(double points, bool underline = false);

// The three fonts the window draws with at one scale.
struct Fonts {
    UniqueFont window;
    UniqueFont cell;
    UniqueFont underlinedCell;

    [[nodiscard]] static Fonts At(design::Scale scale);
};

// One solid brush for each colour of the design, made once, and the system's
// own for its colours.
class Brushes {
  public:
    Brushes();
    // The brush of a colour of the design table or the system; nullptr for any other.
    [[nodiscard]] HBRUSH For(design::Colour colour) const;

  private:
    std::vector<std::pair<design::Rgb, UniqueBrush>> brushes_;
};

// A colour of the design, or the system's as it is now.
[[nodiscard]] COLORREF ToColorRef(design::Colour colour);

}  // namespace trivelan::win32
