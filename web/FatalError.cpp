#include "FatalError.h"

#include <string>

#include "HelpBox.h"
#include "SequenceForm.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/Text.h"

namespace trivelan::web {

void ReportFatal(SequenceForm& page, const runtime::RuntimeError& error) {
    page.Stop();
    ShowDialog(Js::Global("document"), design::kTitle, design::kErrorTextName,
               design::Ascii(error.StandardMessage()), 0, page.FitScale(), page.ScreenNow());
}

}  // namespace trivelan::web
