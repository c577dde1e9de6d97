#pragma once

#include <functional>

#include "design/Commands.h"

class QWidget;

namespace trivelan::qt {

// Gives the window the classroom commands' keys: each key pressed anywhere in
// the window runs command with the key's command.
void BindCommands(QWidget* window, const std::function<void(design::Command)>& command);

}  // namespace trivelan::qt
