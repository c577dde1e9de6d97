#pragma once

#include "runtime/RuntimeError.h"

namespace trivelan::web {

class SequenceForm;

// The page's reporter: as the desktop programs do, the standard message in a
// modal box titled with the program's name; then the page answers no more events.
void ReportFatal(SequenceForm& page, const runtime::RuntimeError& error);

}  // namespace trivelan::web
