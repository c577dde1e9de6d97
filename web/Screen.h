#pragma once

#include "Js.h"
#include "design/Presentation.h"

namespace trivelan::web {

// The browser window the page stands in, as the presentation rules count it:
// its viewport, in CSS pixels, is the whole screen and the work area, with no
// frame; the browser scales CSS pixels to the device itself.
[[nodiscard]] design::Screen ScreenOf(const Js& window);

}  // namespace trivelan::web
