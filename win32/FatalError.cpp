#include "FatalError.h"

#include <windows.h>

#include <string>

#include "Text.h"
#include "design/FormDesign.h"

namespace trivelan::win32 {

void ReportFatal(const runtime::RuntimeError& error) {
    const std::string message = error.StandardMessage();  // ASCII, as the runtime words it
    MessageBoxW(GetActiveWindow(), std::wstring(message.begin(), message.end()).c_str(),
                Wide(design::kTitle).c_str(), MB_OK | MB_ICONERROR);
    PostQuitMessage(runtime::kFatalExitStatus);
}

}  // namespace trivelan::win32
