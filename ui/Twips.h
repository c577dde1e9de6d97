#pragma once

#include <QRect>

namespace trivelan::ui {

// The design is laid out in twips; Qt works in device-independent pixels and
// scales those itself on high-DPI screens. This is the only conversion.
inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int TwipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

[[nodiscard]] constexpr QRect TwipsToPixels(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace trivelan::ui
