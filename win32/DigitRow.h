#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "design/DigitRow.h"

namespace trivelan::win32 {

// The digit cells of the Win32 window: one Tab stop for the whole row, whose
// keys and presses the row's rules judge. A cell is an owner-drawn button named
// "Позиция k: d" for accessibility tools; a mouse click, a key and BM_CLICK all
// click it the same way.
class DigitRow {
  public:
    using Cells = std::array<HWND, design::kDigitCellCount>;
    using ClickHandler = std::function<void(int cell)>;

    DigitRow() = default;
    ~DigitRow();
    DigitRow(const DigitRow&) = delete;
    DigitRow& operator=(const DigitRow&) = delete;

    // Takes the created cells over; clicked runs for every click on one.
    void Attach(const Cells& cells, ClickHandler clicked);
    [[nodiscard]] HWND Cell(std::size_t k) const { return cells_.at(k); }

    [[nodiscard]] int MarkedCell() const { return input_.Mark(); }

    [[nodiscard]] const std::u16string& Caption(std::size_t k) const { return captions_.at(k); }
    // Also renames the cell for screen readers.
    void SetCaption(std::size_t k, const std::u16string& caption);

    // A cell as a label draws it (centred text at the top, on its background, in
    // its font, underlined or not), and the keyboard's mark while it has the focus.
    void Draw(std::size_t k, const DRAWITEMSTRUCT& item, HBRUSH background, COLORREF text,
              HBRUSH mark) const;

  private:
    static LRESULT CALLBACK CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR k, DWORD_PTR row);
    LRESULT OnCellMessage(HWND cell, int k, UINT message, WPARAM wParam, LPARAM lParam);
    void OnKey(WPARAM key, bool repeated);
    void OnRelease(HWND cell, int k, LPARAM lParam);
    // Makes the marked cell the row's Tab stop, and moves the focus with the
    // mark when the row had it.
    void ShowMark(int before);

    Cells cells_{};
    std::array<std::u16string, design::kDigitCellCount> captions_{};
    ClickHandler clicked_;
    design::RowInput input_;
    int pressed_ = -1;  // the cell a left press that counts started on
};

}  // namespace trivelan::win32
