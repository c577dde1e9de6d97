// Writes the page's first frame at build time: the elements the design table
// makes, as HTML, their places and the design's style as CSS rules (the page's
// policy allows no inline styles in its markup), and the facts the page's head
// and manifest take from the design. The page shows the frame until the
// program has loaded and made the same elements again. Runs under node, with
// the stand-in document of prerender_document.js.
#include <emscripten/val.h>

#include <cstdio>
#include <string>

#include "ControlFactory.h"
#include "Text.h"
#include "design/FormDesign.h"

namespace design = trivelan::design;

int main() {
    const emscripten::val document = emscripten::val::global("document");
    (void)trivelan::web::CreateControls(document);
    const design::Rgb window = design::kWindowBackground;
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", window.red, window.green, window.blue);
    emscripten::val facts = emscripten::val::object();
    facts.set("CAPTION", trivelan::web::ToJs(design::kCaption));
    facts.set("TITLE", trivelan::web::ToJs(design::kTitle));
    facts.set("WINDOW_COLOUR", emscripten::val(std::string(colour)));
    document.call<void>("writeOut", emscripten::val(trivelan::web::DesignStyle()), facts);
    return 0;
}
