#pragma once

#include "runtime/RuntimeError.h"

namespace trivelan::qt {

// The program's reporter: the standard message in a box and on standard error,
// then the event loop ends with a non-zero status.
void ReportFatal(const runtime::RuntimeError& error);

}  // namespace trivelan::qt
