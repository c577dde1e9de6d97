#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "Fonts.h"
#include "design/Presenter.h"

namespace trivelan::win32 {

// The digit cells of the Win32 window, which hand their presses, releases and
// keys to the row's rules. A cell is an owner-drawn button named "Позиция k: d"
// for accessibility tools, whose BM_CLICK (a screen reader's action) is a click.
class DigitRow {
  public:
    using Cells = std::array<HWND, design::kDigitCellCount>;

    DigitRow() = default;
    ~DigitRow();
    DigitRow(const DigitRow&) = delete;
    DigitRow& operator=(const DigitRow&) = delete;

    // Takes the created cells over, for the presenter.
    void Attach(const Cells& cells, design::Presenter& presenter);
    [[nodiscard]] HWND Cell(std::size_t k) const { return cells_.at(k); }

    [[nodiscard]] const std::u16string& Caption(std::size_t k) const { return captions_.at(k); }
    // Also renames the cell for screen readers.
    void SetCaption(std::size_t k, const std::u16string& caption);
    // The cell in its font with the underline or in its font without.
    void SetUnderline(std::size_t k, bool underline, const Fonts& fonts) const;
    // Makes the cell the row's one Tab stop.
    void Mark(int cell) const;

    // A cell as a label draws it (centred text at the top, on its background, in
    // its font, underlined or not), and the keyboard's mark while it has the focus.
    void Draw(std::size_t k, const DRAWITEMSTRUCT& item, HBRUSH background, COLORREF text,
              HBRUSH mark) const;

  private:
    static LRESULT CALLBACK CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR k, DWORD_PTR row);
    LRESULT OnCellMessage(HWND cell, int k, UINT message, WPARAM wParam, LPARAM lParam);

    Cells cells_{};
    std::array<std::u16string, design::kDigitCellCount> captions_{};
    design::Presenter* presenter_ = nullptr;
};

}  // namespace trivelan::win32
