#pragma once

#include <QFont>

namespace trivelan::qt {

// The design's font (Times New Roman, regular) at the given size in points,
// scaled by the zoom where it applies.
[[nodiscard]] QFont DesignFont(double points);

}  // namespace trivelan::qt
