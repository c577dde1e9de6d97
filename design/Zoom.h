#pragma once

#include <algorithm>
#include <array>

#include "FormDesign.h"
#include "Twips.h"

// Zoom and full screen, for a classroom projector: how large the design is
// drawn and where it stands. Both windows ask these and decide nothing.
namespace trivelan::design {

// The steps Ctrl+Plus and Ctrl+Minus move through, in percent; Ctrl+0 is 100.
inline constexpr std::array<int, 6> kZoomSteps{100, 125, 150, 200, 250, 300};
inline constexpr int kNoZoom = 100;

[[nodiscard]] constexpr int ZoomIn(int percent) {
    for (const int step : kZoomSteps) {
        if (step > percent) return step;
    }
    return kZoomSteps.back();
}

[[nodiscard]] constexpr int ZoomOut(int percent) {
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
        if (*step < percent) return *step;
    }
    return kZoomSteps.front();
}

[[nodiscard]] constexpr double ZoomFactor(int percent) { return percent / 100.0; }

// Where the design stands on a screen in full screen: the largest scale at
// which the whole client area fits, and the offset that centres it.
struct ScreenFit {
    Scale scale;
    int left;
    int top;
};

// The screen's size is counted in the pixels the window lays out in (device
// pixels on Windows, Qt's device-independent pixels on Linux).
[[nodiscard]] constexpr ScreenFit FitToScreen(int screenWidth, int screenHeight) {
    const double byWidth = static_cast<double>(screenWidth) * kTwipsPerPixel / kClientWidth;
    const double byHeight = static_cast<double>(screenHeight) * kTwipsPerPixel / kClientHeight;
    const Scale scale{std::min(byWidth, byHeight)};
    return {scale, (screenWidth - scale.Pixels(kClientWidth)) / 2,
            (screenHeight - scale.Pixels(kClientHeight)) / 2};
}

}  // namespace trivelan::design
