// The web page's entry point: the form, and the one function the page's events call.
#include <emscripten/emscripten.h>

#include <memory>

#include "FatalError.h"
#include "Js.h"
#include "SequenceForm.h"

namespace {

using trivelan::web::SequenceForm;

// The page's one form: the browser's events reach it with nothing else to find it by.
std::unique_ptr<SequenceForm> page;

void ReportFatal(const trivelan::runtime::RuntimeError& error) {
    trivelan::web::ReportFatal(*page, error);
}

}  // namespace

// Every event the page listens to, with its kind, its cell or button, and the
// browser's event, whose handle is this side's to release.
extern "C" EMSCRIPTEN_KEEPALIVE void trivelan_event(int kind, int index, int event) {
    page->OnEvent(static_cast<trivelan::web::Event>(kind), index, trivelan::web::Js::Adopt(event));
}

int main() {
    page = std::make_unique<SequenceForm>(ReportFatal);
    return 0;
}
