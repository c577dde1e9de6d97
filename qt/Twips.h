#pragma once

#include <QRect>

#include "design/Twips.h"

namespace trivelan::qt {

// Qt works in device-independent pixels and scales those itself on high-DPI
// screens, so the window's own scale is only its zoom.
[[nodiscard]] inline QRect TwipsToPixels(design::Scale scale, int left, int top, int width,
                                         int height) {
    const design::PixelRect r = design::ToPixels(scale, left, top, width, height);
    return {r.left, r.top, r.width, r.height};
}

}  // namespace trivelan::qt
