#pragma once

namespace trivelan::qt {

// Lets screen readers tell a digit cell's position (its name) from its digit
// (its value). Call once, before the first window exists.
void InstallDigitCellAccessibility();

}  // namespace trivelan::qt
