#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FormDesign.h"
#include "runtime/RuntimeError.h"

// The digit row's rules: one Tab stop whose arrow keys move a focus mark
// between the cells, Space or Enter on the marked cell is a click on it, and a
// cell index outside the row is a run-time error.
namespace trivelan::design {

enum class RowKey { Left, Right, Home, End };

// The cell the mark moves to; it stops at the row's ends.
[[nodiscard]] constexpr int MoveInRow(int cell, RowKey key) {
    switch (key) {
        case RowKey::Left:
            return std::max(cell - 1, 0);
        case RowKey::Right:
            return std::min(cell + 1, kDigitCellCount - 1);
        case RowKey::Home:
            return 0;
        case RowKey::End:
            return kDigitCellCount - 1;
    }
    return cell;
}

// The mark's line width for a cell this many pixels high: thick enough to see
// from the back row.
[[nodiscard]] constexpr int MarkWidth(int cellHeight) { return std::max(2, cellHeight / 20); }

// The element of the Label2 array a window reaches for an index, as the form
// runtime does: an index outside 0 to 14 is run-time error 340.
[[nodiscard]] inline std::size_t CellIndex(std::int16_t cell) {
    if (cell < 0 || cell >= kDigitCellCount) {
        throw runtime::RuntimeError(runtime::ErrorNumber::NoSuchControlArrayElement);
    }
    return static_cast<std::size_t>(cell);
}

}  // namespace trivelan::design
