// Writes the page's first frame at build time: the elements the design table
// makes, as HTML, and their places as CSS rules (the page's policy allows no
// inline styles in its markup). The page shows them until the program has
// loaded and made the same elements again. Runs under node, with the stand-in
// document of prerender_document.js.
#include <emscripten/val.h>

#include "ControlFactory.h"

int main() {
    const emscripten::val document = emscripten::val::global("document");
    (void)trivelan::web::CreateControls(document);
    document.call<void>("writeOut");
    return 0;
}
