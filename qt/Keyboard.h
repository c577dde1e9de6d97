#pragma once

#include "design/Presenter.h"

class QWidget;

namespace trivelan::qt {

// Gives the window the classroom commands' keys: each key of a command the
// window offers, pressed anywhere in the window, applies the command, even
// where a text box has a use of its own for the key.
void BindCommands(QWidget* window, design::Presenter& presenter);

}  // namespace trivelan::qt
