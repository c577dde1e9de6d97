#pragma once

// The design is laid out in twips (1/1440 inch). Every window converts with
// these functions only, so the factor lives in one place.
namespace trivelan::design {

inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch, 100 %

// How much larger than at 96 dots per inch and 100 % the window is drawn:
// the screen's scaling times the zoom.
struct Scale {
    double factor = 1.0;

    // Nearest pixel; halves round away from zero. The fraction is compared,
    // not 0.5 added: an addition would round 0.49999999999999994 up.
    [[nodiscard]] constexpr int Pixels(int twips) const {
        const double pixels = twips * factor / kTwipsPerPixel;
        const double magnitude = pixels < 0 ? -pixels : pixels;
        const auto whole = static_cast<int>(magnitude);  // truncates
        const int rounded = magnitude - whole >= 0.5 ? whole + 1 : whole;
        return pixels < 0 ? -rounded : rounded;
    }
    // A font size in points, scaled as the layout is.
    [[nodiscard]] constexpr double Points(int points) const { return points * factor; }
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const PixelRect&) const = default;
};

// Edges are converted, not sizes, so neighbours that share an edge in twips
// share it in pixels at every scale.
[[nodiscard]] constexpr PixelRect ToPixels(Scale scale, int left, int top, int width, int height) {
    const int x = scale.Pixels(left);
    const int y = scale.Pixels(top);
    return {x, y, scale.Pixels(left + width) - x, scale.Pixels(top + height) - y};
}

}  // namespace trivelan::design
