#pragma once

#include "design/Twips.h"

class QWidget;

namespace trivelan::qt {

// Shows the help over the window, at the window's scale and within its
// screen's work area, until Escape or its button closes it.
void ShowHelp(QWidget* window, design::Scale scale);

}  // namespace trivelan::qt
