// The web page's entry point: the form, and the one function the page's events call.
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "HelpBox.h"
#include "Js.h"
#include "SequenceForm.h"
#include "design/FormDesign.h"
#include "runtime/RuntimeError.h"

namespace {

using trivelan::web::Js;
using trivelan::web::SequenceForm;

// The page's one form: the browser's events reach it with nothing else to find it by.
std::unique_ptr<SequenceForm> page;

// As the desktop programs do: the standard message in a modal box titled with
// the program's name, and then the page answers no more events.
void ReportFatal(const trivelan::runtime::RuntimeError& error) {
    page->Stop();
    const std::string message = error.StandardMessage();  // ASCII
    trivelan::web::ShowDialog(Js::Global("document"), trivelan::design::kTitle,
                              std::u16string(message.begin(), message.end()), 0, page->FitScale(),
                              page->ScreenNow());
}

}  // namespace

// Every event the page listens to, with its kind, its cell or button, and the
// browser's event, whose handle is this side's to release.
extern "C" EMSCRIPTEN_KEEPALIVE void trivelan_event(int kind, int index, int event) {
    page->OnEvent(static_cast<trivelan::web::Event>(kind), index, Js::Adopt(event));
}

int main() {
    page = std::make_unique<SequenceForm>(ReportFatal);
    return 0;
}
