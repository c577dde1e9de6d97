#pragma once

#include <algorithm>

#include "FormDesign.h"

// The digit row by keyboard: one Tab stop whose arrow keys move a focus mark
// between the cells; Space or Enter on the marked cell is a click on it.
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

}  // namespace trivelan::design
