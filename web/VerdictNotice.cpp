// The page's spoken verdict.
#include "VerdictNotice.h"

#include "Text.h"

namespace trivelan::web {

using emscripten::val;

VerdictNotice::VerdictNotice(const val& form)
    : live_(val::global("document").call<val>("createElement", val("div"))) {
    live_.set("className", val("notice"));
    live_.call<void>("setAttribute", val("aria-live"), val("polite"));
    live_.call<void>("setAttribute", val("aria-atomic"), val("true"));
    form.call<void>("appendChild", live_);
}

void VerdictNotice::Announce(const std::u16string& text) {
    // A new paragraph each time, so that the same verdict twice is still a
    // change, and the region is read whole.
    live_.set("textContent", val(""));
    val paragraph = val::global("document").call<val>("createElement", val("p"));
    paragraph.set("textContent", ToJs(text));
    live_.call<void>("appendChild", paragraph);
}

}  // namespace trivelan::web
