// The page's modal boxes: the help and the report of a run-time error.
#include "Dialogs.h"

#include <string>

#include "Style.h"
#include "Text.h"
#include "design/Help.h"
#include "design/Text.h"

namespace trivelan::web {
namespace {

using emscripten::val;

// The title bar, as a desktop window draws one, in design pixels.
constexpr int kTitleBarHeight = 22;

val Child(const val& document, const val& parent, const char* tag, const char* className) {
    val element = document.call<val>("createElement", val(tag));
    element.set("className", val(className));
    parent.call<void>("appendChild", element);
    return element;
}

// Below the title bar.
design::PixelRect Below(design::PixelRect r, int titleBar) {
    r.top += titleBar;
    return r;
}

// Places a box and its parts for the window as it is now.
void Place(const val& dialog, design::Scale scale, const design::Screen& screen) {
    design::Screen room = screen;
    const int titleBar = scale.Pixels(kTitleBarHeight * design::kTwipsPerPixel);
    room.frame = {0, titleBar};
    const design::HelpPlacement place = design::PlaceHelp(scale, room);
    PlaceAt(dialog, {place.position.x, place.position.y, place.client.width,
                     place.client.height + titleBar});
    SetNumber(dialog, "font-size", scale.Points(design::kWindowFontPoints), "pt");
    SetStyle(dialog.call<val>("querySelector", val(".box-title")), "height", Px(titleBar));
    PlaceAt(dialog.call<val>("querySelector", val(".box-text")), Below(place.text, titleBar));
    PlaceAt(dialog.call<val>("querySelector", val(".box-ok")), Below(place.button, titleBar));
}

}  // namespace

void ShowDialog(const val& document, std::u16string_view title, std::u16string_view text,
                design::Scale scale, const design::Screen& screen, const val& closed) {
    val dialog = Child(document, document["body"], "dialog", "box");
    dialog.call<void>("setAttribute", val("aria-labelledby"), val("box-title"));
    val heading = Child(document, dialog, "h2", "box-title");
    heading.set("id", val("box-title"));
    heading.set("textContent", ToJs(title));
    val body = Child(document, dialog, "div", "box-text");
    body.set("textContent", ToJs(design::ToLineFeeds(text)));
    body.set("tabIndex", val(0));  // scrolls by keyboard too
    val close = Child(document, dialog, "button", "box-ok");
    close.set("type", val("button"));
    close.set("textContent", ToJs(design::kDialogOk));
    Place(dialog, scale, screen);
    // The box leaves the page when it closes, by its button or by Escape.
    close.call<void>("addEventListener", val("click"), dialog["close"].call<val>("bind", dialog));
    dialog.call<void>("addEventListener", val("close"), dialog["remove"].call<val>("bind", dialog));
    // At once on Escape (cancel) or the button: the close event comes later, after
    // keys that may already be on their way.
    if (!closed.isUndefined()) {
        dialog.call<void>("addEventListener", val("cancel"), closed);
        close.call<void>("addEventListener", val("click"), closed);
    }
    dialog.call<void>("showModal");
    close.call<void>("focus");
}

void RefitDialogs(const val& document, design::Scale scale, const design::Screen& screen) {
    const val boxes = document.call<val>("querySelectorAll", val("dialog.box"));
    for (int i = 0; i < boxes["length"].as<int>(); ++i) Place(boxes[i], scale, screen);
}

}  // namespace trivelan::web
