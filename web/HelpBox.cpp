// The page's modal boxes: the help and the report of a run-time error.
#include "HelpBox.h"

#include <string>

#include "Style.h"
#include "design/Help.h"
#include "design/PageChrome.h"
#include "design/Text.h"

namespace trivelan::web {
namespace {

Js Child(const Js& document, const Js& parent, const char* tag, const char* className) {
    Js element = document.Call("createElement", tag);
    element.Set("className", className);
    parent.Call("appendChild", element);
    return element;
}

// Below the title bar.
design::PixelRect Below(design::PixelRect r, int titleBar) {
    r.top += titleBar;
    return r;
}

// Places a box and its parts for the window as it is now.
void Place(const Js& dialog, design::Scale scale, const design::Screen& screen) {
    design::Screen room = screen;
    const int titleBar = scale.Pixels(design::kPageChrome.titleBar * design::kTwipsPerPixel);
    room.frame = {0, titleBar};
    const design::HelpPlacement place = design::PlaceHelp(scale, room);
    PlaceAt(dialog, {place.position.x, place.position.y, place.client.width,
                     place.client.height + titleBar});
    SetNumber(dialog, "font-size", scale.Points(design::kWindowFontPoints), "pt");
    SetStyle(dialog.Call("querySelector", ".box-title"), "height", Px(titleBar));
    PlaceAt(dialog.Call("querySelector", ".box-text"), Below(place.text, titleBar));
    PlaceAt(dialog.Call("querySelector", ".box-ok"), Below(place.button, titleBar));
}

}  // namespace

void ShowDialog(const Js& document, std::u16string_view title, std::u16string_view name,
                std::u16string_view text, std::size_t caret, design::Scale scale,
                const design::Screen& screen, std::optional<Event> closed) {
    const Js dialog = Child(document, document["body"], "dialog", "box");
    dialog.Call("setAttribute", "aria-labelledby", "box-title");
    const Js heading = Child(document, dialog, "h2", "box-title");
    heading.Set("id", "box-title");
    heading.Set("textContent", title);
    // A text with a caret the arrows move, which a screen reader reads line by
    // line: Chromium moves no caret in a read-only text area, so this one takes
    // no edits instead, and brings up no on-screen keyboard.
    const Js label = Child(document, dialog, "label", "notice");  // a name that draws nothing
    label.Set("htmlFor", "box-text");
    label.Set("textContent", name);
    const Js body = Child(document, dialog, "textarea", "box-text");
    body.Set("id", "box-text");
    body.Call("setAttribute", "aria-readonly", "true");
    body.Call("setAttribute", "inputmode", "none");
    body.Set("spellcheck", false);
    body.Set("value", design::ToLineFeeds(text));
    body.Listen("beforeinput", Event::BoxEdit);
    const Js close = Child(document, dialog, "button", "box-ok");
    close.Set("type", "button");
    close.Set("textContent", design::kDialogOk);
    Place(dialog, scale, screen);
    // The box leaves the page when it closes, by its button or by Escape.
    close.Call("addEventListener", "click", dialog["close"].Call("bind", dialog));
    dialog.Call("addEventListener", "close", dialog["remove"].Call("bind", dialog));
    // At once on Escape (cancel) or the button: the close event comes later, after
    // keys that may already be on their way.
    if (closed) {
        dialog.Listen("cancel", *closed);
        close.Listen("click", *closed);
    }
    dialog.Call("showModal");
    body.Call("focus");
    body.Call("setSelectionRange", static_cast<int>(caret), static_cast<int>(caret));
    body.Set("scrollTop", 0);
}

void ShowHelp(const Js& document, const design::HelpBox& help, const design::Screen& screen,
              Event closed) {
    ShowDialog(document, help.title, design::kHelpTextName, help.text, design::HelpCaret(true),
               help.scale, screen, closed);
}

void RefitDialogs(const Js& document, design::Scale scale, const design::Screen& screen) {
    const Js boxes = document.Call("querySelectorAll", "dialog.box");
    for (int i = 0; i < boxes["length"].Int(); ++i) Place(boxes.Call("item", i), scale, screen);
}

}  // namespace trivelan::web
