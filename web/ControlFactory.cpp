// Takes over the page's first frame: the elements the design table made at
// build time.
#include "ControlFactory.h"

#include "design/Text.h"

namespace trivelan::web {

Controls AdoptControls(const Js& document) {
    Controls found;
    found.form = document.Call("getElementById", design::kFormName.data());
    found.form.Call("removeAttribute", "data-first-frame");
    for (const design::ControlDesign& control : design::AllControls()) {
        found.all.push_back(document.Call("getElementById", design::ControlName(control, "_", "")));
        // The design's text, not what was typed on the first frame; the hidden
        // box's, which the first frame leaves out.
        if (control.kind == design::ControlKind::TextBox) {
            found.all.back().Set("value", design::ToLineFeeds(control.text));
        }
        if (design::IsReport(control)) found.report = found.all.back();
    }
    return found;
}

}  // namespace trivelan::web
