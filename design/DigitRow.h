#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "FormDesign.h"

// The digit row's rules, the same in every window: one Tab stop whose arrow
// keys move a focus mark between the cells, Space or Enter on the marked cell
// is a click on it, a press on a cell is a click unless it is the second of a
// double click.
namespace trivelan::design {

enum class RowKey { Left, Right, Home, End, Space, Enter };

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
        case RowKey::Space:
        case RowKey::Enter:
            break;
    }
    return cell;
}

// What a key in the row does: the mark's new cell, and the cell it clicks.
struct RowKeyOutcome {
    int mark;
    std::optional<int> click;
};

// The row's input: pointer presses with the time they happened, and the keys
// that reach the row.
class RowInput {
  public:
    [[nodiscard]] constexpr int Mark() const { return mark_; }

    // A press of the main button or a touch on a cell, at a time in
    // milliseconds on the window's own clock. It is a click unless it is the
    // second press of a double click on the same cell; a third press starts a
    // new pair. So n quick presses on one cell are ceil(n / 2) clicks, and
    // quick presses on neighbouring cells each count.
    constexpr bool Press(int cell, std::int64_t time, int doubleClickTime) {
        const bool second = pairOpen_ && cell == lastCell_ && time - lastTime_ < doubleClickTime &&
                            time >= lastTime_;
        pairOpen_ = !second;
        lastCell_ = cell;
        lastTime_ = time;
        return !second;
    }

    // A key going down: the arrows, Home and End move the mark; Space and
    // Enter click the marked cell, once for a held key.
    constexpr RowKeyOutcome KeyDown(RowKey key, bool repeated) {
        if (key == RowKey::Space || key == RowKey::Enter) {
            if (repeated) return {mark_, std::nullopt};
            return {mark_, mark_};
        }
        mark_ = MoveInRow(mark_, key);
        return {mark_, std::nullopt};
    }

  private:
    int mark_ = 0;
    int lastCell_ = -1;
    std::int64_t lastTime_ = 0;
    bool pairOpen_ = false;
};

// The mark's line width for a cell this many pixels high: thick enough to see
// from the back row.
[[nodiscard]] constexpr int MarkWidth(int cellHeight) { return std::max(2, cellHeight / 20); }

// The double-click time of a page, in milliseconds: a browser does not tell
// a page the system's own.
inline constexpr int kPageDoubleClickTime = 500;

// How far inside the cell's edge the mark's line stands, in pixels.
inline constexpr int kMarkInset = 1;

}  // namespace trivelan::design
