// Builds the page's elements from the design table.
#include "ControlFactory.h"

#include "Style.h"
#include "design/Accessibility.h"
#include "design/Presentation.h"
#include "design/Text.h"
#include "design/Twips.h"

namespace trivelan::web {
namespace {

using design::ControlDesign;
using design::ControlKind;

std::string Css(design::Rgb rgb) {
    return "rgb(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
           std::to_string(rgb.blue) + ")";
}

std::string Points(int points) { return std::to_string(points) + "pt"; }

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

}  // namespace

std::string DesignStyle() {
    const design::Rgb window = design::kWindowBackground;
    const std::string font = Points(design::kWindowFontPoints) + " \"" +
                             std::string(design::kFontFamily.begin(), design::kFontFamily.end()) +
                             "\", \"Trivelan Serif\", serif";
    const design::PixelRect client =
        design::ToPixels(design::Scale{}, 0, 0, design::kClientWidth, design::kClientHeight);
    // The page's own font only where the device has no face with the design
    // font's metrics (Times New Roman, or Tinos and Liberation Serif, made to its
    // widths): most phones. Named by full name and PostScript name.
    std::string face = "@font-face { font-family: \"Trivelan Serif\"; src: ";
    for (const char* name : {"Times New Roman", "TimesNewRomanPSMT", "Tinos", "Tinos Regular",
                             "Liberation Serif", "LiberationSerif"}) {
        face += "local(\"" + std::string(name) + "\"), ";
    }
    face += "url(trivelan.woff2) format(\"woff2\"); font-display: swap; }\n";
    return face + "html, body { background: " + Css(window) + "; }\n" +
           "#SequenceForm { --width: " + Px(client.width) + "; --height: " + Px(client.height) +
           "; width: var(--width); height: var(--height); font: " + font + "; " +
           std::string(design::kFitToScreenCss) + " }\n" +
           "dialog.box { font-family: " + font.substr(font.find(' ') + 1) + "; }\n" +
           ".frame { border-width: " + Px(kPageChrome.frameLine) + "; }\n" +
           ".frame legend { height: " + Px(kPageChrome.captionBand) +
           "; line-height: " + Px(kPageChrome.captionBand) + "; }\n" +
           "dialog.box { border-width: " + Px(kPageChrome.boxBorder) + "; }\n";
}

Controls CreateControls(const Js& document) {
    Controls made;
    constexpr auto kControls = design::AllControls();
    made.all.assign(kControls.size(), Js::Null());
    made.form = document.Call("getElementById", "SequenceForm");
    Js frame = Js::Null();
    for (const std::size_t position : design::kTabOrder) {
        const ControlDesign& control = kControls.at(position);
        Js element = CreateControl(document, control);
        if (control.kind == ControlKind::Frame) frame = element;
        (design::IsDigitCell(control) ? frame : made.form).Call("appendChild", element);
        made.all.at(position) = element;
        if (design::IsReport(control)) made.report = element;
    }
    return made;
}

Controls AdoptControls(const Js& document) {
    Controls found;
    found.form = document.Call("getElementById", "SequenceForm");
    found.form.Call("removeAttribute", "data-first-frame");
    for (const ControlDesign& control : design::AllControls()) {
        found.all.push_back(document.Call("getElementById", design::ControlName(control, "_", "")));
        if (design::IsReport(control)) {
            found.report = found.all.back();
            found.report.Set("value", design::ToLineFeeds(control.text));  // not what was typed
            found.report.Call("setSelectionRange", 0, 0);
        }
    }
    return found;
}

}  // namespace trivelan::web
