#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "design/FormDesign.h"

namespace trivelan::web {

// The page's elements as the design table makes them, and what the form
// needs of each.
struct Controls {
    emscripten::val form = emscripten::val::null();  // holds the whole design
    std::vector<emscripten::val> all;                // in design table order
    emscripten::val report = emscripten::val::null();
};

// The element id of a design row: "Label2_3", "Frame1".
[[nodiscard]] std::string ElementId(const design::ControlDesign& control);

// Creates every control of the design table as a native element in the
// page's form, in tab-index order (the order the keyboard and a screen reader
// walk them), placed at its design place in CSS pixels, 15 twips to the pixel.
[[nodiscard]] Controls CreateControls(const emscripten::val& document);

}  // namespace trivelan::web
