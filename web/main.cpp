// The web page's entry point: the form, and the functions the page's events call.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <string>

#include "Dialogs.h"
#include "SequenceForm.h"
#include "Text.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "runtime/RuntimeError.h"

namespace {

using emscripten::val;
using trivelan::web::SequenceForm;

// The page's one form: the browser calls the functions below with nothing else
// to find it by.
std::unique_ptr<SequenceForm> page;

void OnCellPress(int cell, const val& event) { page->OnCellPress(cell, event); }
void OnCellClick(int cell, const val& /*event*/) { page->OnCellClick(cell); }
void OnCellKey(const val& event) { page->OnCellKey(event); }
void OnFormPress(const val& event) { page->OnFormPress(event); }
void OnFormMenu(const val& event) { page->OnFormMenu(event); }
void OnReportEdit(const val& event) { page->OnReportEdit(event); }
void OnHelpClosed(const val& /*event*/) { page->OnHelpClosed(); }
void OnButtonClick(int button, const val& /*event*/) { page->OnButtonClick(button); }
void OnPageKey(const val& event) { page->OnPageKey(event); }
void OnResize(const val& /*event*/) { page->FitToWindow(); }

// As the desktop programs do: the standard message in a modal box titled with
// the program's name, and then the page answers no more events.
void ReportFatal(const trivelan::runtime::RuntimeError& error) {
    page->Stop();
    const std::string message = error.StandardMessage();  // ASCII
    trivelan::web::ShowDialog(val::global("document"), trivelan::design::kTitle,
                              std::u16string(message.begin(), message.end()), page->FitScale(),
                              page->Screen(), val::undefined());
}

}  // namespace

EMSCRIPTEN_BINDINGS(trivelan_page) {
    emscripten::function("onCellPress", &OnCellPress);
    emscripten::function("onCellClick", &OnCellClick);
    emscripten::function("onFormPress", &OnFormPress);
    emscripten::function("onFormMenu", &OnFormMenu);
    emscripten::function("onReportEdit", &OnReportEdit);
    emscripten::function("onHelpClosed", &OnHelpClosed);
    emscripten::function("onCellKey", &OnCellKey);
    emscripten::function("onButtonClick", &OnButtonClick);
    emscripten::function("onPageKey", &OnPageKey);
    emscripten::function("onResize", &OnResize);
}

int main() {
    page = std::make_unique<SequenceForm>(ReportFatal);
    return 0;
}
