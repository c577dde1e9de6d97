// Writes the page's first frame at build time: the elements the design table
// makes, as HTML, their places and the design's style as CSS rules (the page's
// policy allows no inline styles in its markup), and the facts the page's head
// and manifest take from the design, as one JSON object for tools/site.py. The
// page shows the frame at once, and the program takes its elements over when
// it has loaded. Runs under node, with the stand-in document of document.js.
#include <string>

#include "design/Accessibility.h"
#include "design/FormDesign.h"
#include "design/Presentation.h"
#include "design/Text.h"
#include "design/Twips.h"
#include "web/ControlFactory.h"
#include "web/Js.h"
#include "web/Style.h"

namespace design = trivelan::design;
using trivelan::web::Js;

// The page's events never come at build time.
extern "C" void trivelan_event(int /*kind*/, int /*index*/, int /*event*/) {}

namespace trivelan::web {
namespace {

using design::ControlDesign;
using design::ControlKind;

std::string Css(design::Rgb rgb) {
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
           std::to_string(rgb.blue) + ")";
}

std::string Points(int points) { return std::to_string(points) + "pt"; }

// The page's own font, where the device has no face of the design font's metrics.
constexpr const char* kPageFontFamily = "Trivelan Serif";

using design::kPageChrome;

// A fieldset's cells stand inside its line and below its caption.
void Place(const Js& element, const ControlDesign& control) {
    design::PixelRect r =
        design::ToPixels(design::Scale{}, control.left, control.top, control.width, control.height);
    if (design::IsDigitCell(control)) {
        r.left -= kPageChrome.frameLine;
        r.top -= kPageChrome.captionBand;
    }
    PlaceAt(element, r);
}

// The native element a design row becomes, and the style sheet's class for it.
struct Element {
    const char* tag;
    const char* className;
};

Element ElementOf(const ControlDesign& control) {
    switch (control.kind) {
        case ControlKind::Label:
            return design::IsDigitCell(control) ? Element{"button", "cell"}
                                                : Element{"div", "label"};
        case ControlKind::Frame:
            return {"fieldset", "frame"};
        case ControlKind::PushButton:
            return {"button", "command"};
        case ControlKind::TextBox:
            return {"textarea", "text"};
    }
    return {"div", ""};
}

Js CreateControl(const Js& document, const ControlDesign& control) {
    const Element kind = ElementOf(control);
    Js element = document.Call("createElement", kind.tag);
    element.Set("id", design::ControlName(control, "_", ""));
    element.Set("className", kind.className);
    if (control.kind == ControlKind::Frame) {
        const Js legend = document.Call("createElement", "legend");
        legend.Set("textContent", control.text);
        element.Call("appendChild", legend);
        // A row of buttons with one roving Tab stop: a screen reader hands the
        // arrows, Space and Enter to the page inside it (WAI-ARIA's toolbar).
        element.Call("setAttribute", "role", "toolbar");
        element.Call("setAttribute", "aria-label", design::AccessibleName(control));
    } else if (control.kind == ControlKind::TextBox) {
        element.Set("value", design::ToLineFeeds(control.text));
        element.Call("setSelectionRange", 0, 0);  // the start shows first
        element.Call("setAttribute", "aria-label", design::AccessibleName(control));
    } else {
        element.Set("textContent", control.text);
    }
    if (control.kind == ControlKind::PushButton || design::IsDigitCell(control)) {
        element.Set("type", "button");
    }
    if (design::IsDigitCell(control)) {
        element.Call("setAttribute", "aria-label", design::AccessibleName(control));
    }
    if (!control.accessibleDescription.empty()) {
        element.Call("setAttribute", "aria-description", control.accessibleDescription);
    }
    if (control.background) SetStyle(element, "background-color", Css(*control.background));
    if (design::HasOwnFont(control)) {
        SetStyle(element, "font-size", Points(control.fontPoints));
    }
    if (control.kind != ControlKind::TextBox) {
        const char* align = control.centred ? "center" : "left";
        SetStyle(element, "text-align", align);
        if (design::IsDigitCell(control)) SetStyle(element, "justify-content", align);
    }
    if (!control.visible) element.Set("hidden", true);
    Place(element, control);
    return element;
}

// The page's style that comes from the design: the window's colour, size, font
// and fit to the window, the frame's line and caption band, and a box's border.
std::string DesignStyle() {
    const design::Rgb window = design::kWindowBackground;
    const std::string font = Points(design::kWindowFontPoints) + " \"" +
                             std::string(design::kFontFamily.begin(), design::kFontFamily.end()) +
                             "\", \"" + kPageFontFamily + "\", serif";
    const design::PixelRect client =
        design::ToPixels(design::Scale{}, 0, 0, design::kClientWidth, design::kClientHeight);
    return "html, body { background: " + Css(window) + "; }\n" + "#" +
           std::string(design::kFormName) + " { --width: " + Px(client.width) +
           "; --height: " + Px(client.height) +
           "; width: var(--width); height: var(--height); font: " + font + "; " +
           std::string(design::kFitToScreenCss) + " }\n" +
           "dialog.box { font-family: " + font.substr(font.find(' ') + 1) + "; }\n" +
           ".frame { border-width: " + Px(kPageChrome.frameLine) + "; }\n" +
           ".frame legend { height: " + Px(kPageChrome.captionBand) +
           "; line-height: " + Px(kPageChrome.captionBand) + "; }\n" +
           "dialog.box { border-width: " + Px(kPageChrome.boxBorder) + "; }\n";
}

// Creates every control of the design table as a native element in the page's
// form, in tab-index order (the order the keyboard and a screen reader walk
// them), placed at its design place in CSS pixels, 15 twips to the pixel.
Controls CreateControls(const Js& document) {
    Controls made;
    constexpr auto kControls = design::AllControls();
    made.all.assign(kControls.size(), Js::Null());
    made.form = document.Call("createElement", "main");
    made.form.Set("id", design::kFormName.data());
    // Until the program takes it over.
    made.form.Call("setAttribute", "data-first-frame", "");
    Js frame = Js::Null();
    for (const std::size_t position : design::kTabOrder) {
        const ControlDesign& control = kControls.at(position);
        Js element = CreateControl(document, control);
        if (control.kind == ControlKind::Frame) frame = element;
        (design::IsDigitCell(control) ? frame : made.form).Call("appendChild", element);
        made.all.at(position) = element;
        if (design::IsReport(control)) {
            made.report = element;
            element.Call("setAttribute", "data-report", "");  // where the page says it cannot start
        }
    }
    return made;
}

}  // namespace
}  // namespace trivelan::web

int main() try {
    const Js document = Js::Global("document");
    const trivelan::web::Controls made = trivelan::web::CreateControls(document);
    const design::Rgb window = design::kWindowBackground;
    const char* digits = "0123456789abcdef";
    std::string colour = "#";
    for (const int part : {window.red, window.green, window.blue}) {
        colour += digits[part / 16];
        colour += digits[part % 16];
    }
    const Js facts = Js::Global("Object").Call("create", Js::Null());
    facts.Set("caption", design::kCaption);
    facts.Set("title", design::kTitle);
    facts.Set("window_colour", colour);
    facts.Set("form", design::kFormName.data());
    // The page's own font only where the device has no face with the design
    // font's metrics (Times New Roman, or Tinos and Liberation Serif, made to its
    // widths): most phones. Named by full name and PostScript name.
    const Js local = Js::Global("Array").Call("of");
    for (const char* name : {"Times New Roman", "TimesNewRomanPSMT", "Tinos", "Tinos Regular",
                             "Liberation Serif", "LiberationSerif"}) {
        local.Call("push", name);
    }
    facts.Set("font_family", trivelan::web::kPageFontFamily);
    facts.Set("font_local", local);
    document.Call("writeOut", made.form, trivelan::web::DesignStyle(), facts);
    return 0;
} catch (...) {
    return 1;  // the build stops: no first frame
}
