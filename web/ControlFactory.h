#pragma once

#include "Js.h"

#include <string>
#include <vector>

#include "design/FormDesign.h"

namespace trivelan::web {

// The page's elements as the design table makes them, and what the form
// needs of each.
struct Controls {
    Js form;              // holds the whole design
    std::vector<Js> all;  // in design table order
    Js report;
};

// The page's style that comes from the design: the window's colour, size, font
// and fit to the window, the frame's line and caption band, and a box's border.
[[nodiscard]] std::string DesignStyle();

// At build time, for the first frame: creates every control of the design
// table as a native element in the page's form, in tab-index order (the order
// the keyboard and a screen reader walk them), placed at its design place in
// CSS pixels, 15 twips to the pixel.
[[nodiscard]] Controls CreateControls(const Js& document);

// The controls of the page's first frame, which CreateControls made at build
// time: the program takes them over as they stand, with what was pressed and
// focused on them, and the report back at its design text.
[[nodiscard]] Controls AdoptControls(const Js& document);

}  // namespace trivelan::web
