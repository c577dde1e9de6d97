#pragma once

#include <functional>

#include "design/WindowRules.h"

class QWidget;

namespace trivelan::qt {

// Gives the window the classroom commands' keys: each key of a command the
// window offers, pressed anywhere in the window, runs command with it, even
// where a text box has a use of its own for the key.
void BindCommands(QWidget* window, const design::WindowRules& rules,
                  const std::function<void(design::Command)>& command);

}  // namespace trivelan::qt
