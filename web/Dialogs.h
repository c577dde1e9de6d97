#pragma once

#include <emscripten/val.h>

#include <string_view>

#include "design/Presentation.h"

namespace trivelan::web {

// A modal <dialog> with a title bar, a text that scrolls when it must and one
// button that closes it; Escape closes it too. It stands where the design's
// help box rules put it, within the browser window, at the form's scale.
// closed, a function or undefined, runs when the box has closed.
void ShowDialog(const emscripten::val& document, std::u16string_view title,
                std::u16string_view text, design::Scale scale, const design::Screen& screen,
                const emscripten::val& closed);

// Places every open box anew for the window's size now (a rotated phone, a
// smaller window), so that its button stays on the screen.
void RefitDialogs(const emscripten::val& document, design::Scale scale,
                  const design::Screen& screen);

}  // namespace trivelan::web
