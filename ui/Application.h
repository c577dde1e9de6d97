#pragma once

namespace trivelan::ui {

// Application-wide settings the window relies on, once a QApplication exists:
// the Fusion style (it draws push buttons in their palette colour on every
// desktop), the design font, names and accessibility.
void ConfigureApplication();

}  // namespace trivelan::ui
