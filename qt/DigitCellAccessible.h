#pragma once

namespace trivelan::qt {

// Lets screen readers meet each digit cell as a button named by its position
// and its digit ("Позиция 3: 5") with a press action that clicks it. Call
// once, before the first window exists.
void InstallDigitCellAccessibility();

}  // namespace trivelan::qt
