#pragma once

#include "design/Commands.h"
#include "design/Twips.h"

class QWidget;

namespace trivelan::qt {

// Shows the help over the window, at the window's scale and within its
// screen's work area, until Escape or its button closes it.
// The text names the keys of this kind of window.
void ShowHelp(QWidget* window, design::Scale scale, design::Window kind);

}  // namespace trivelan::qt
