#pragma once

#include "design/Presenter.h"

class QWidget;

namespace trivelan::qt {

// Shows the help over the window, at the window's scale and within its
// screen's work area, until Escape or its button closes it.
void ShowHelp(QWidget* window, const design::HelpBox& help);

}  // namespace trivelan::qt
