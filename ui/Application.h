#pragma once

class QApplication;

namespace trivelan::ui {

// Application-wide settings the window relies on: the Fusion style (it draws
// push buttons in their palette colour on every desktop), names and the icon.
void ConfigureApplication(QApplication& app);

}  // namespace trivelan::ui
