#pragma once

#include "Js.h"

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

// The controls of the page's first frame, which the design table made at build
// time (tools/first_frame): the program takes them over as they stand, with
// what was pressed and focused on them, and the report back at its design text.
[[nodiscard]] Controls AdoptControls(const Js& document);

}  // namespace trivelan::web
