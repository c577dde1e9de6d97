#pragma once

#include <optional>
#include <string_view>

#include "Js.h"

#include "design/Presenter.h"

namespace trivelan::web {

// A modal <dialog> with a title bar, a text that scrolls when it must and one
// button that closes it; Escape closes it too. It stands where the design's
// help box rules put it, within the browser window, at the form's scale. It
// opens with the focus in its text, the caret at that offset of the text.
// When closed is given, that event comes when the box has closed.
void ShowDialog(const Js& document, std::u16string_view title, std::u16string_view name,
                std::u16string_view text, std::size_t caret, design::Scale scale,
                const design::Screen& screen, std::optional<Event> closed = std::nullopt);

// The help, which opens with the caret at the statement; closed comes when
// the box has closed.
void ShowHelp(const Js& document, const design::HelpBox& help, const design::Screen& screen,
              Event closed);

// Places every open box anew for the window's size now (a rotated phone, a
// smaller window), so that its button stays on the screen.
void RefitDialogs(const Js& document, design::Scale scale, const design::Screen& screen);

}  // namespace trivelan::web
