#pragma once

#include "Js.h"
#include "design/Presenter.h"

namespace trivelan::web {

// The page's keys: Tab walks the design's stops (not a box of its own, nor the
// browser's), and the classroom keys the design gives the page are its
// commands, not the browser's own. Anything else is the browser's.
void OnPageKey(const Js& event, design::Presenter& presenter);

}  // namespace trivelan::web
