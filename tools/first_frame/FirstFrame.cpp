// Writes the page's first frame at build time: the elements the design table
// makes, as HTML, their places and the design's style as CSS rules (the page's
// policy allows no inline styles in its markup), and the page's own font, as
// one JSON object for tools/site.py. The page shows the frame at once, and the
// program takes its elements over when it has loaded. Runs under node, with
// the stand-in document of document.js.
#include <string>

#include "design/Accessibility.h"
#include "design/Colours.h"
#include "design/FormDesign.h"
#include "design/PageChrome.h"
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

// A colour as #rrggbb, its shortest form for every colour.
std::string Css(design::Rgb rgb) {
    const char* digits = "0123456789abcdef";
    std::string colour = "#";
    for (const int part : {rgb.red, rgb.green, rgb.blue}) {
        colour += digits[part / 16];
        colour += digits[part % 16];
    }
    return colour;
}

std::string Css(const design::Edges& edges) {
    return Px(edges.top) + " " + Px(edges.right) + " " + Px(edges.bottom) + " " + Px(edges.left);
}

std::string Ascii(std::u16string_view text) { return {text.begin(), text.end()}; }

std::string Points(int points) { return std::to_string(points) + "pt"; }

// The page's own font, where the device has no face of the design font's metrics.
constexpr const char* kPageFontFamily = "Trivelan Serif";

// A fieldset's cells stand inside its line and below its caption.
void Place(const Js& element, const ControlDesign& control) {
    design::PixelRect r =
        design::ToPixels(design::Scale{}, control.left, control.top, control.width, control.height);
    if (design::IsDigitCell(control)) {
        r.left -= design::kPageChrome.frameLine;
        r.top -= design::kPageChrome.captionBand;
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
            if (design::IsDigitCell(control)) return {"button", "cell"};
            return {design::IsTitle(control) ? "h1" : "div", "label"};
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
        // The frame draws the line and the caption; the row inside it is the
        // toolbar (below), which a group may not be.
        element.Call("setAttribute", "role", "none");
    } else if (control.kind == ControlKind::TextBox) {
        // What the first frame shows; a hidden box's text comes with the program.
        if (control.visible) element.Set("value", design::ToLineFeeds(control.text));
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
    if (!control.accessibleDescription.empty() && control.kind != ControlKind::Frame) {
        element.Call("setAttribute", "aria-description", control.accessibleDescription);
    }
    // The design's colours, which a page in a high-contrast theme gives up for
    // the system's own.
    if (const auto paint = design::PaintOf(control, false)) {
        SetStyle(element, "background-color", Css(std::get<design::Rgb>(paint->background)));
        SetStyle(element, "color", Css(std::get<design::Rgb>(paint->text)));
    }
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

// The narrowest window in which the design, fitted to its width, makes a cell
// as wide as a finger needs.
int NarrowestForTargets() {
    const design::PixelRect client =
        design::ToPixels(design::Scale{}, 0, 0, design::kClientWidth, design::kClientHeight);
    const int cell = design::ToPixels(design::Scale{}, 0, 0, design::DigitCell(0).width, 0).width;
    return (client.width * design::kSmallestTarget + cell - 1) / cell;
}

// The page's style that comes from the design: the window's colours, size,
// font and fit to the window, and what the page draws where a desktop's system
// would (the frame's line and caption, the cells' line, the edges of buttons
// and text boxes, the report's margins and lines, a box's border and text).
std::string DesignStyle() {
    const design::Paint window = design::WindowPaint(false);
    const std::string families =
        "\"" + Ascii(design::kFontFamily) + "\", \"" + kPageFontFamily + "\", serif";
    const design::PixelRect client =
        design::ToPixels(design::Scale{}, 0, 0, design::kClientWidth, design::kClientHeight);
    const std::string form = "#" + std::string(design::kFormName);
    const auto& chrome = design::kPageChrome;
    const std::string edge = Css(chrome.edge);
    return "html, body { background: " + Css(std::get<design::Rgb>(window.background)) + "; }\n" +
           form + " { --width: " + Px(client.width) + "; --height: " + Px(client.height) +
           "; width: var(--width); height: var(--height); color: " +
           Css(std::get<design::Rgb>(window.text)) +
           "; font: " + Points(design::kWindowFontPoints) + " " + families + "; " +
           std::string(design::kFitToScreenCss) + " }\n" + "dialog.box { font-family: " + families +
           "; border-width: " + Px(chrome.boxBorder) + "; }\n" +
           ".frame { border-width: " + Px(chrome.frameLine) + "; }\n" +
           ".frame legend { margin-left: " + Px(chrome.captionIndent) + "; padding: 0 " +
           Px(chrome.captionMargin) + "; height: " + Px(chrome.captionBand) +
           "; line-height: " + Px(chrome.captionBand) + "; }\n" +
           ".cell { line-height: " + Px(chrome.cellLine) + "; }\n" +
           ".cell.underlined { text-decoration-thickness: " + Px(chrome.underline) +
           "; text-underline-offset: " + Px(chrome.underlineGap) + "; }\n" +
           ".command, .box-ok { border: " + Px(chrome.buttonEdge) + " outset " + edge + "; }\n" +
           form + " > .text, .box-text { border: " + Px(chrome.textEdge) + " inset " + edge +
           "; }\n" + form + " > .text { padding: " + Css(chrome.textMargin) +
           "; line-height: " + Px(chrome.textLine) + "; }\n" +
           ".box-text { padding: " + Css(chrome.boxTextMargin) + "; }\n" +
           ".turn { font: " + Points(design::kWindowFontPoints) + " " + families +
           "; color: " + Css(std::get<design::Rgb>(window.text)) + "; }\n" +
           "@media (orientation: portrait) and (max-width: " + Px(NarrowestForTargets() - 1) +
           ") { .turn { display: block; } }\n";
}

// The cells' row inside the frame: buttons with one roving Tab stop, whose
// arrows, Space and Enter a screen reader hands to the page (WAI-ARIA's
// toolbar), named and described as the frame is.
Js CreateRow(const Js& document, const Js& frame, const ControlDesign& control) {
    Js row = document.Call("createElement", "div");
    row.Set("className", "row");
    row.Call("setAttribute", "role", "toolbar");
    row.Call("setAttribute", "aria-label", design::AccessibleName(control));
    row.Call("setAttribute", "aria-description", control.accessibleDescription);
    frame.Call("appendChild", row);
    return row;
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
    Js row = Js::Null();
    for (const std::size_t position : design::kTabOrder) {
        const ControlDesign& control = kControls.at(position);
        Js element = CreateControl(document, control);
        (design::IsDigitCell(control) ? row : made.form).Call("appendChild", element);
        if (control.kind == ControlKind::Frame) row = CreateRow(document, element, control);
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
    // The page's own font only where the device has no face with the design
    // font's metrics (the design's own, or Tinos and Liberation Serif, made to
    // its widths): most phones. Named by full name and PostScript name.
    const Js local = Js::Global("Array").Call("of");
    local.Call("push", design::kFontFamily);
    for (const char* name :
         {"TimesNewRomanPSMT", "Tinos", "Tinos Regular", "Liberation Serif", "LiberationSerif"}) {
        local.Call("push", name);
    }
    document.Call("writeOut", made.form, trivelan::web::DesignStyle(),
                  std::string(design::kFitToScreenScript), trivelan::web::kPageFontFamily, local);
    return 0;
} catch (...) {
    return 1;  // the build stops: no first frame
}
