#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "Commands.h"
#include "FormDesign.h"
#include "Twips.h"

// Zoom and full screen, for a classroom projector: how large the design is
// drawn and where it stands, as the presenter asks for every window.
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

struct Size {
    int width;
    int height;
    bool operator==(const Size&) const = default;
};

struct Point {
    int x;
    int y;
    bool operator==(const Point&) const = default;
};

// The screen a window stands on, counted in the pixels the window lays out in
// (device pixels on Windows, the toolkit's device-independent pixels in Qt).
struct Screen {
    PixelRect whole;     // the monitor, which full screen fills
    PixelRect workArea;  // the monitor less its task bars: where a window fits
    double deviceScale =
        1.0;       // the screen's dots per inch over 96, where the window counts device pixels
    Size frame{};  // what the window's border and title bar add to its client area
};

// Where the design stands on a screen in full screen: the largest scale at
// which the whole client area fits, and the offset that centres it.
struct ScreenFit {
    Scale scale;
    int left;
    int top;
};

[[nodiscard]] constexpr ScreenFit FitToScreen(int screenWidth, int screenHeight) {
    const double byWidth = static_cast<double>(screenWidth) * kTwipsPerPixel / kClientWidth;
    const double byHeight = static_cast<double>(screenHeight) * kTwipsPerPixel / kClientHeight;
    const Scale scale{std::min(byWidth, byHeight)};
    return {scale, (screenWidth - scale.Pixels(kClientWidth)) / 2,
            (screenHeight - scale.Pixels(kClientHeight)) / 2};
}

// The same rule as a style sheet states it, for a page before its program has
// loaded: the transform that puts a design of --width by --height CSS pixels at
// FitToScreen's scale and place in the viewport (--scale, --left and --top, once
// the program has reckoned them with FitToScreen). The half of a whole number of
// pixels is rounded down from a quarter above it, as a browser's lengths may
// come a hair under. The height is the viewport's as it is now (dvh): a
// phone's 100vh is its height with the browser's toolbar hidden, more than the
// program then finds.
inline constexpr std::string_view kFitToScreenCss =
    "--fit: min(calc(100vw / var(--width)), calc(100dvh / var(--height))); "
    "transform-origin: 0 0; "
    "transform: translate("
    "var(--left, round(down, calc((100vw - round(var(--width) * var(--fit), 1px)) / 2 + 0.25px), "
    "1px)), "
    "var(--top, round(down, calc((100dvh - round(var(--height) * var(--fit), 1px)) / 2 + 0.25px), "
    "1px))) "
    "scale(var(--scale, var(--fit)));";
// The same rule as a script states it, for a browser whose style sheets cannot
// reckon a ratio of two lengths or round(): a function that sets the form's
// --scale, --left and --top in the viewport.
inline constexpr std::string_view kFitToScreenScript =
    "(form) => {\n"
    "    const style = getComputedStyle(form);\n"
    "    const width = parseFloat(style.getPropertyValue(\"--width\"));\n"
    "    const height = parseFloat(style.getPropertyValue(\"--height\"));\n"
    "    const scale = Math.min(innerWidth / width, innerHeight / height);\n"
    "    form.style.setProperty(\"--scale\", scale);\n"
    "    form.style.setProperty(\"--left\", Math.floor((innerWidth - Math.round(width * scale)) / "
    "2) + \"px\");\n"
    "    form.style.setProperty(\"--top\", Math.floor((innerHeight - Math.round(height * scale)) "
    "/ 2) + \"px\");\n"
    "}";

// Where a window puts its controls and how large its client area is.
struct Placement {
    Scale scale;
    Point origin;  // where the design's top left stands in the client area
    Size client;
    bool fullScreen;
    // Where the window's outer top left goes now; nullopt: it stays where it is.
    std::optional<Point> moveTo;
};

// What a command did: the new placement when anything changed, and whether a
// zoom was refused at its end or at the screen's edge (the window beeps then).
struct Outcome {
    std::optional<Placement> placement;
    bool refused = false;
};

// The zoom step and full screen of one window. A zoom step whose window would
// not fit the work area of its screen is not taken; in full screen the screen
// decides the size, and a zoom there takes effect when full screen ends, back
// at the place the window had.
class Presentation {
  public:
    [[nodiscard]] constexpr int Zoom() const { return zoom_; }
    [[nodiscard]] constexpr bool IsFullScreen() const { return fullScreen_; }

    // True when the window at this zoom, with its frame, fits the work area.
    // 100 % always fits: nothing smaller is offered.
    [[nodiscard]] constexpr bool Fits(int percent, const Screen& screen) const {
        if (percent <= kNoZoom) return true;
        const Size client = ClientAt(Scale{screen.deviceScale * ZoomFactor(percent)});
        return client.width + screen.frame.width <= screen.workArea.width &&
               client.height + screen.frame.height <= screen.workArea.height;
    }

    // Zoom and full-screen commands; the others leave the presentation alone.
    // windowPosition is the window's outer top left, kept for leaving full screen.
    constexpr Outcome Apply(Command command, const Screen& screen, Point windowPosition) {
        switch (command) {
            case Command::ZoomIn:
            case Command::ZoomOut: {
                const int next = command == Command::ZoomIn ? ZoomIn(zoom_) : ZoomOut(zoom_);
                if (next == zoom_ || !Fits(next, screen)) return {std::nullopt, true};
                zoom_ = next;
                return {Place(screen), false};
            }
            case Command::NoZoom:
                if (zoom_ == kNoZoom) return {};
                zoom_ = kNoZoom;
                return {Place(screen), false};
            case Command::ToggleFullScreen:
                return SetFullScreen(!fullScreen_, screen, windowPosition);
            case Command::LeaveFullScreen:
                return SetFullScreen(false, screen, windowPosition);
            case Command::Help:
            case Command::SelectAllReport:
                break;
        }
        return {};
    }

    // Where the controls go now; full screen puts the window on the screen's top left.
    [[nodiscard]] constexpr Placement Place(const Screen& screen) const {
        if (fullScreen_) {
            const ScreenFit fit = FitToScreen(screen.whole.width, screen.whole.height);
            return {fit.scale,
                    {fit.left, fit.top},
                    {screen.whole.width, screen.whole.height},
                    true,
                    Point{screen.whole.left, screen.whole.top}};
        }
        const Scale scale{screen.deviceScale * ZoomFactor(zoom_)};
        return {scale, {0, 0}, ClientAt(scale), false, std::nullopt};
    }

  private:
    [[nodiscard]] static constexpr Size ClientAt(Scale scale) {
        return {scale.Pixels(kClientWidth), scale.Pixels(kClientHeight)};
    }

    constexpr Outcome SetFullScreen(bool fullScreen, const Screen& screen, Point windowPosition) {
        if (fullScreen == fullScreen_) return {};
        fullScreen_ = fullScreen;
        if (fullScreen) positionBeforeFullScreen_ = windowPosition;
        Placement placement = Place(screen);
        if (!fullScreen) placement.moveTo = positionBeforeFullScreen_;
        return {placement, false};
    }

    int zoom_ = kNoZoom;
    bool fullScreen_ = false;
    Point positionBeforeFullScreen_{0, 0};
};

}  // namespace trivelan::design
