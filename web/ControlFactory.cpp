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
        if (design::IsReport(control)) {
            found.report = found.all.back();
            found.report.Set("value", design::ToLineFeeds(control.text));  // not what was typed
        }
    }
    return found;
}

}  // namespace trivelan::web
