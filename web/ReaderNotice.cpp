// The page's notices to a screen reader.
#include "ReaderNotice.h"

namespace trivelan::web {

ReaderNotice::ReaderNotice(const Js& form)
    : live_(Js::Global("document").Call("createElement", "div")) {
    live_.Set("className", "notice");
    live_.Call("setAttribute", "aria-live", "polite");
    live_.Call("setAttribute", "aria-atomic", "true");
    form.Call("appendChild", live_);
}

void ReaderNotice::Clear() { live_.Set("textContent", ""); }

void ReaderNotice::Announce(const std::u16string& text) {
    // A new paragraph each time, so that the same news twice is still a
    // change, and the region is read whole.
    Clear();
    const Js paragraph = Js::Global("document").Call("createElement", "p");
    paragraph.Set("textContent", text);
    live_.Call("appendChild", paragraph);
}

}  // namespace trivelan::web
