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

void ReaderNotice::Announce(const design::ReaderNews& news) {
    const std::u16string& text = news.text;
    // A new paragraph each time, so that the region is read whole. Orca passes
    // over a text the same as the one it was told before: the same news again
    // (a check after "Чисти" on the same row) comes with an invisible mark.
    repeated_ = text == last_ && !repeated_;
    last_ = text;
    Clear();
    const Js paragraph = Js::Global("document").Call("createElement", "p");
    paragraph.Set("textContent", repeated_ ? text + u"\u200B" : text);
    live_.Call("appendChild", paragraph);
}

}  // namespace trivelan::web
