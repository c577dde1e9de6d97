// The design's fonts and brushes for the Win32 window.
#include "Fonts.h"

#include <cmath>

#include "Text.h"

namespace trivelan::win32 {

UniqueFont DesignFont(double points, bool underline) {
    constexpr double kPixelsPerPoint = USER_DEFAULT_SCREEN_DPI / 72.0;
    const auto pixels = static_cast<int>(std::lround(points * kPixelsPerPoint));
    return UniqueFont(CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE,
                                  FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                                  Wide(design::kFontFamily).c_str()));
}

Fonts Fonts::At(design::Scale scale) {
    return {DesignFont(scale.Points(design::kWindowFontPoints)),
            DesignFont(scale.Points(design::kCellFontPoints)),
            DesignFont(scale.Points(design::kCellFontPoints), true)};
}

namespace {

int SystemIndex(design::SystemColour colour) {
    switch (colour) {
        case design::SystemColour::Window:
            return COLOR_WINDOW;
        case design::SystemColour::WindowText:
            return COLOR_WINDOWTEXT;
        case design::SystemColour::ButtonFace:
            return COLOR_BTNFACE;
        case design::SystemColour::ButtonText:
            return COLOR_BTNTEXT;
        case design::SystemColour::Highlight:
            return COLOR_HIGHLIGHT;
    }
    return COLOR_WINDOW;
}

}  // namespace

COLORREF ToColorRef(design::Colour colour) {
    if (const auto* system = std::get_if<design::SystemColour>(&colour)) {
        return GetSysColor(SystemIndex(*system));
    }
    const auto rgb = std::get<design::Rgb>(colour);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

Brushes::Brushes() {
    for (const design::ControlDesign& control : design::AllControls()) {
        if (control.background && For(*control.background) == nullptr) {
            brushes_.emplace_back(*control.background,
                                  UniqueBrush(CreateSolidBrush(ToColorRef(*control.background))));
        }
    }
}

HBRUSH Brushes::For(design::Colour colour) const {
    // The system's brushes follow its colours as they change.
    if (const auto* system = std::get_if<design::SystemColour>(&colour)) {
        return GetSysColorBrush(SystemIndex(*system));
    }
    const auto wanted = std::get<design::Rgb>(colour);
    for (const auto& [rgb, brush] : brushes_) {
        if (rgb.red == wanted.red && rgb.green == wanted.green && rgb.blue == wanted.blue) {
            return brush.get();
        }
    }
    return nullptr;
}

}  // namespace trivelan::win32
