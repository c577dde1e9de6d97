#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <vector>

#include "design/FormDesign.h"

namespace trivelan::web {

// The page's digit cells: one Tab stop for the whole row (a roving tabindex).
// Left, Right, Home and End move the mark and the focus between the cells;
// Space or Enter clicks the marked cell. A click or a tap raises a digit; the
// second click of a double click on one cell is no click, while a quick click
// on a neighbour is its own.
class DigitRow {
  public:
    using Cells = std::vector<emscripten::val>;  // the fifteen cells
    using ClickHandler = std::function<void(int cell)>;

    void Attach(const Cells& cells, ClickHandler clicked);
    [[nodiscard]] const emscripten::val& Cell(std::size_t k) const { return cells_.at(k); }
    [[nodiscard]] int MarkedCell() const { return mark_; }

    // The browser's click on cell k; clickCount is its UI event detail (0 from
    // the keyboard, 2 for the second click of a double click).
    void OnClick(int k, int clickCount);
    // A key pressed on cell k; true when the row used it.
    bool OnKey(int k, const std::string& key, bool repeated);

    [[nodiscard]] std::u16string Caption(std::size_t k) const;
    // Also renames the cell for screen readers.
    void SetCaption(std::size_t k, const std::u16string& caption);
    void SetUnderline(std::size_t k, bool underline);

  private:
    void Mark(int cell);

    Cells cells_;
    ClickHandler clicked_;
    int mark_ = 0;
    int lastClicked_ = -1;
};

}  // namespace trivelan::web
