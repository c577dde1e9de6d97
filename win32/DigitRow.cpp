// The Win32 window's digit row: its cells, their keys, clicks and mark.
#include "DigitRow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>
#include <utility>

#include "Gdi.h"
#include "Keyboard.h"
#include "Text.h"
#include "design/Accessibility.h"

namespace trivelan::win32 {
namespace {

std::optional<design::RowKey> RowKeyOf(WPARAM key) {
    using design::RowKey;
    const std::pair<WPARAM, RowKey> keys[] = {{VK_SPACE, RowKey::Space}, {VK_RETURN, RowKey::Enter},
                                              {VK_LEFT, RowKey::Left},   {VK_RIGHT, RowKey::Right},
                                              {VK_HOME, RowKey::Home},   {VK_END, RowKey::End}};
    for (const auto& [virtualKey, row] : keys) {
        if (virtualKey == key) return row;
    }
    return std::nullopt;
}

}  // namespace

DigitRow::~DigitRow() {
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        if (IsWindow(cells_.at(k))) RemoveWindowSubclass(cells_.at(k), CellProc, k);
    }
}

void DigitRow::Attach(const Cells& cells, design::Presenter& presenter) {
    cells_ = cells;
    presenter_ = &presenter;
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        captions_.at(k) = std::u16string(design::DigitCell(static_cast<int>(k)).text);
        SetWindowSubclass(cells_.at(k), CellProc, k, reinterpret_cast<DWORD_PTR>(this));
    }
}

void DigitRow::Mark(int cell) const {
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        const LONG_PTR style = GetWindowLongPtrW(cells_.at(k), GWL_STYLE);
        const bool stop = design::HasOwnTabStop(design::DigitCell(static_cast<int>(k)), cell);
        SetWindowLongPtrW(cells_.at(k), GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

void DigitRow::SetCaption(std::size_t k, const std::u16string& caption) {
    captions_.at(k) = caption;
    SetWindowTextW(cells_.at(k), Wide(design::CellName(static_cast<int>(k), caption)).c_str());
}

void DigitRow::SetUnderline(std::size_t k, bool underline, const Fonts& fonts) const {
    HWND cell = cells_.at(k);
    HFONT font = underline ? fonts.underlinedCell.get() : fonts.cell.get();
    if (reinterpret_cast<HFONT>(SendMessageW(cell, WM_GETFONT, 0, 0)) == font) return;
    SendMessageW(cell, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

LRESULT CALLBACK DigitRow::CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR k, DWORD_PTR row) {
    return reinterpret_cast<DigitRow*>(row)->OnCellMessage(cell, static_cast<int>(k), message,
                                                           wParam, lParam);
}

LRESULT DigitRow::OnCellMessage(HWND cell, int k, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            // Arrows and Space for the row; Enter too, which the dialog keys
            // would otherwise send to a default button.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            const bool enter =
                key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
            return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (const auto key = RowKeyOf(wParam);
                key &&
                presenter_->CellKey(*key, message == WM_KEYDOWN, (lParam & kKeyRepeatBit) != 0)) {
                return 0;
            }
            break;
        case BM_CLICK:
            presenter_->CellActivated(k);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // the system's double click is judged as any press
            if (presenter_->CellPressed(
                    k, static_cast<std::int64_t>(static_cast<DWORD>(GetMessageTime())),
                    static_cast<int>(GetDoubleClickTime()))) {
                SetCapture(cell);
            }
            if (!design::TakesFocusOnPress(design::DigitCell(k))) return 0;
            break;
        case WM_LBUTTONUP: {
            RECT area{};
            GetClientRect(cell, &area);
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            presenter_->CellReleased(k, PtInRect(&area, point) != 0);
            if (GetCapture() == cell) ReleaseCapture();
            return 0;
        }
        case WM_CAPTURECHANGED:  // released elsewhere
            presenter_->CellReleased(k, false);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(cell, nullptr, FALSE);  // the mark shows only with the focus
            break;
        default:
            break;
    }
    return DefSubclassProc(cell, message, wParam, lParam);
}

void DigitRow::Draw(std::size_t k, const DRAWITEMSTRUCT& item, HBRUSH background, COLORREF text,
                    HBRUSH mark) const {
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, background);
    const SelectedObject font(
        item.hDC, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, text);
    const std::wstring caption = Wide(captions_.at(k));
    const bool centred = design::DigitCell(static_cast<int>(k)).centred;
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &area,
              (centred ? DT_CENTER : DT_LEFT) | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    if (GetFocus() != item.hwndItem) return;
    const int width = design::MarkWidth(static_cast<int>(area.bottom - area.top));
    InflateRect(&area, -design::kMarkInset, -design::kMarkInset);
    for (int ring = 0; ring < width; ++ring) {
        FrameRect(item.hDC, &area, mark);
        InflateRect(&area, -1, -1);
    }
}

}  // namespace trivelan::win32
