#pragma once

#include "runtime/RuntimeError.h"

namespace trivelan::win32 {

// The program's reporter: the standard message in a box owned by the window,
// then the message loop ends with a non-zero status.
void ReportFatal(const runtime::RuntimeError& error);

}  // namespace trivelan::win32
