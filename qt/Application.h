#pragma once

namespace trivelan::qt {

// Application-wide settings the window relies on, once a QApplication exists:
// the classic Windows style, Qt's Bulgarian texts, the design font, names and
// accessibility.
void ConfigureApplication();

}  // namespace trivelan::qt
