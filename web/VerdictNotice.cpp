// The page's spoken verdict.
#include "VerdictNotice.h"

namespace trivelan::web {

VerdictNotice::VerdictNotice(const Js& form)
    : live_(Js::Global("document").Call("createElement", "div")) {
    live_.Set("className", "notice");
    live_.Call("setAttribute", "aria-live", "polite");
    live_.Call("setAttribute", "aria-atomic", "true");
    form.Call("appendChild", live_);
}

void VerdictNotice::Announce(const std::u16string& text) {
    // A new paragraph each time, so that the same verdict twice is still a
    // change, and the region is read whole.
    live_.Set("textContent", "");
    const Js paragraph = Js::Global("document").Call("createElement", "p");
    paragraph.Set("textContent", text);
    live_.Call("appendChild", paragraph);
}

}  // namespace trivelan::web
