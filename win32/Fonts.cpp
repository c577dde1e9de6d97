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

Brushes::Brushes() {
    for (const design::ControlDesign& control : design::AllControls()) {
        if (control.background && For(*control.background) == nullptr) {
            brushes_.emplace_back(*control.background,
                                  UniqueBrush(CreateSolidBrush(ToColorRef(*control.background))));
        }
    }
}

HBRUSH Brushes::For(design::Rgb colour) const {
    for (const auto& [rgb, brush] : brushes_) {
        if (rgb.red == colour.red && rgb.green == colour.green && rgb.blue == colour.blue) {
            return brush.get();
        }
    }
    return nullptr;
}

}  // namespace trivelan::win32
