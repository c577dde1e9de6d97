#pragma once

#include "design/Presentation.h"

class QWidget;

namespace trivelan::qt {

// The screen a window stands on, as the presentation rules count it: Qt lays
// out in device-independent pixels and scales them itself, so the device
// scale is 1.
[[nodiscard]] design::Screen ScreenOf(const QWidget* window);

}  // namespace trivelan::qt
