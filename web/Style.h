#pragma once

#include <string>

#include "Js.h"
#include "design/Twips.h"

// Setting an element's inline style through the CSSOM, which the page's
// Content-Security-Policy allows where a style attribute would not be.
namespace trivelan::web {

[[nodiscard]] inline std::string Px(int pixels) { return std::to_string(pixels) + "px"; }

template <typename T>
void SetStyle(const Js& element, const char* property, const T& value) {
    element["style"].Call("setProperty", property, value);
}

// A number as CSS reads it back the same (the shortest text that gives the
// number back, as the first frame's style reckons it), with its unit if any.
inline void SetNumber(const Js& element, const char* property, double number,
                      const char* unit = "") {
    SetStyle(element, property, Js(number).Call("toString").Call("concat", unit));
}

// An absolutely placed element's place and size, in CSS pixels.
inline void PlaceAt(const Js& element, const design::PixelRect& r) {
    SetStyle(element, "left", Px(r.left));
    SetStyle(element, "top", Px(r.top));
    SetStyle(element, "width", Px(r.width));
    SetStyle(element, "height", Px(r.height));
}

}  // namespace trivelan::web
