#pragma once

#include <QFont>

namespace trivelan::qt {

// The design's font (Times New Roman, regular) at the given size in points.
[[nodiscard]] QFont DesignFont(int points);

}  // namespace trivelan::qt
