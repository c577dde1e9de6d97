#pragma once

#include <emscripten/val.h>

#include <string>

#include "design/Twips.h"

// Setting an element's inline style through the CSSOM, which the page's
// Content-Security-Policy allows where a style attribute would not be.
namespace trivelan::web {

[[nodiscard]] inline std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

inline void SetStyle(const emscripten::val& element, const char* property,
                     const std::string& value) {
    element["style"].call<void>("setProperty", emscripten::val(property), emscripten::val(value));
}

// A number as CSS reads it back the same (the shortest text that gives the
// number back, as the first frame's style reckons it), with its unit if any.
inline void SetNumber(const emscripten::val& element, const char* property, double number,
                      const char* unit = "") {
    element["style"].call<void>(
        "setProperty", emscripten::val(property),
        emscripten::val(number).call<emscripten::val>("toString").call<emscripten::val>(
            "concat", emscripten::val(unit)));
}

// An absolutely placed element's place and size, in CSS pixels.
inline void PlaceAt(const emscripten::val& element, const design::PixelRect& r) {
    SetStyle(element, "left", Px(r.left));
    SetStyle(element, "top", Px(r.top));
    SetStyle(element, "width", Px(r.width));
    SetStyle(element, "height", Px(r.height));
}

}  // namespace trivelan::web
