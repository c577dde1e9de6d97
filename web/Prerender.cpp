// Writes the page's first frame at build time: the elements the design table
// makes, as HTML, their places and the design's style as CSS rules (the page's
// policy allows no inline styles in its markup), and the facts the page's head
// and manifest take from the design. The page shows the frame at once, and the
// program takes its elements over when it has loaded. Runs under node, with
// the stand-in document of prerender_document.js.
#include <string>

#include "ControlFactory.h"
#include "Js.h"
#include "design/FormDesign.h"

namespace design = trivelan::design;
using trivelan::web::Js;

// The page's events never come at build time.
extern "C" void trivelan_event(int /*kind*/, int /*index*/, int /*event*/) {}

int main() try {
    const Js document = Js::Global("document");
    (void)trivelan::web::CreateControls(document);
    const design::Rgb window = design::kWindowBackground;
    const char* digits = "0123456789abcdef";
    std::string colour = "#";
    for (const int part : {window.red, window.green, window.blue}) {
        colour += digits[part / 16];
        colour += digits[part % 16];
    }
    const Js facts = Js::Global("Object").Call("create", Js::Null());
    facts.Set("CAPTION", design::kCaption);
    facts.Set("TITLE", design::kTitle);
    facts.Set("WINDOW_COLOUR", colour);
    document.Call("writeOut", trivelan::web::DesignStyle(), facts);
    return 0;
} catch (...) {
    return 1;  // the build stops: no first frame
}
