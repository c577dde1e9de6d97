#pragma once

#include <functional>

#include "runtime/RuntimeError.h"

namespace trivelan::ui {

// Called once when a handler raises a run-time error; the window takes no
// further events after that.
using ErrorReporter = std::function<void(const runtime::RuntimeError&)>;

inline constexpr int kRuntimeErrorExitCode = 1;

// The program's reporter: the standard message in a box and on standard error,
// then the event loop ends with a non-zero status.
void ReportFatalAndQuit(const runtime::RuntimeError& error);

}  // namespace trivelan::ui
