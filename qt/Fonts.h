#pragma once

#include <QFont>

namespace trivelan::qt {

// The design's font at a size in points: Times New Roman, regular, where
// fontconfig gives a metric-compatible face if it is missing.
[[nodiscard]] QFont DesignFont(double points);

}  // namespace trivelan::qt
