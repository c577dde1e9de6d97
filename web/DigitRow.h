#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Js.h"
#include "design/DigitRow.h"

namespace trivelan::web {

// The page's digit cells: buttons with one Tab stop for the whole row (a
// roving tabindex), named "Позиция k: d" for screen readers.
class DigitRow {
  public:
    using Cells = std::vector<Js>;  // the fifteen cells

    explicit DigitRow(Cells cells) : cells_(std::move(cells)) {}
    [[nodiscard]] const Js& Cell(std::size_t k) const { return cells_.at(k); }

    [[nodiscard]] std::u16string Caption(std::size_t k) const;
    // Also renames the cell for screen readers.
    void SetCaption(std::size_t k, const std::u16string& caption);
    void SetUnderline(std::size_t k, bool underline);
    // Makes the cell the row's one Tab stop.
    void Mark(int cell) const;

  private:
    Cells cells_;
};

// A key of the row's, by the browser's name for it.
[[nodiscard]] std::optional<design::RowKey> RowKeyOf(const std::string& key);

}  // namespace trivelan::web
