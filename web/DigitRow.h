#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Js.h"
#include "design/DigitRow.h"

namespace trivelan::web {

// The page's digit cells: one Tab stop for the whole row (a roving tabindex),
// whose keys, clicks and taps the row's rules judge.
class DigitRow {
  public:
    using Cells = std::vector<Js>;  // the fifteen cells
    using ClickHandler = std::function<void(int cell)>;

    void Attach(const Cells& cells, ClickHandler clicked);
    [[nodiscard]] const Js& Cell(std::size_t k) const { return cells_.at(k); }
    [[nodiscard]] int MarkedCell() const { return input_.Mark(); }

    // A press of the main button or a touch on cell k, at the event's time in
    // milliseconds.
    void OnPress(int k, double time);
    // The browser's click on cell k: after a press, a click when the press
    // counted; with no press before it (a screen reader's action), a click.
    void OnClick(int k);
    // A key pressed on the row; true when the row used it.
    bool OnKey(const std::string& key, bool repeated);

    [[nodiscard]] std::u16string Caption(std::size_t k) const;
    // Also renames the cell for screen readers.
    void SetCaption(std::size_t k, const std::u16string& caption);
    void SetUnderline(std::size_t k, bool underline);

  private:
    // Makes the marked cell the row's Tab stop, and moves the focus with the
    // mark when the row had it.
    void ShowMark(int before);

    Cells cells_;
    ClickHandler clicked_;
    design::RowInput input_;
    std::optional<bool> pressCounts_;  // for the click that follows a press
    int pressedCell_ = -1;
};

}  // namespace trivelan::web
