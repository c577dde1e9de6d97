#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "Gdi.h"
#include "design/FormDesign.h"
#include "design/Twips.h"
#include "design/Zoom.h"
#include "logic/HandlerGuard.h"
#include "logic/SequenceForm.h"
#include "logic/SequenceView.h"

namespace trivelan::win32 {

// The program's window on Windows. It builds its controls from the design table,
// carries out the view contract and forwards clicks to the form's logic; it
// decides nothing. For the classroom it also zooms (Ctrl+Plus, Ctrl+Minus,
// Ctrl+0), goes full screen (F11, Escape), shows the help (F1) and lets the
// keyboard reach the digit row.
class SequenceForm final : public logic::SequenceView {
  public:
    // Creates the window and every control, then raises the load event. The
    // window stays hidden until the caller shows it.
    SequenceForm(HINSTANCE instance, logic::ErrorReporter reporter);
    ~SequenceForm() override;
    SequenceForm(const SequenceForm&) = delete;
    SequenceForm& operator=(const SequenceForm&) = delete;

    [[nodiscard]] HWND Handle() const { return window_; }
    // The control a row of the design table made.
    [[nodiscard]] HWND Control(const design::ControlDesign& control) const;
    // Keyboard messages the message loop offers first: the window's shortcuts
    // and the dialog keys (Tab, Space and Enter on a button). True when used.
    bool TranslateKeyboard(MSG& message);

    [[nodiscard]] std::u16string Caption(std::int16_t cell) const override;
    void SetCaption(std::int16_t cell, const std::u16string& caption) override;
    void SetUnderline(std::int16_t cell, bool underline) override;
    [[nodiscard]] std::u16string ReportText() const override;
    void SetReportText(const std::u16string& text) override;

    [[nodiscard]] int Zoom() const { return zoom_; }
    [[nodiscard]] bool IsFullScreen() const;
    void SetZoom(int percent);
    void SetFullScreen(bool fullScreen);
    void ShowHelp();
    // The cell the row's keyboard mark stands on: the row's one Tab stop.
    [[nodiscard]] int MarkedCell() const;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The digit cells' own keys and focus mark, ahead of the static control's.
    static LRESULT CALLBACK CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnCommand(int id, int code);
    LRESULT OnControlColour(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void DrawButton(const DRAWITEMSTRUCT& item, const design::ControlDesign& button) const;
    void DrawCell(const DRAWITEMSTRUCT& item) const;
    void OnCellKey(HWND cell, WPARAM key, bool repeated);
    void OnEraseBackground(HDC dc) const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnActivate(bool active);
    void OnNextControl(WPARAM wParam, LPARAM lParam);
    [[nodiscard]] LRESULT OnGetDefaultButton() const;

    void CreateControls();
    // Places every control and sets its font for the scale, the controls
    // offset by origin (where full screen centres the design).
    void Layout(design::Scale scale, POINT origin);
    void ResizeClient(design::Scale scale);
    [[nodiscard]] design::Scale ZoomScale() const;
    void MarkCell(int cell);
    [[nodiscard]] HWND CellAt(std::int16_t cell) const;
    [[nodiscard]] HBRUSH BrushFor(design::Rgb colour) const;

    HWND window_ = nullptr;
    std::array<HWND, design::AllControls().size()> controls_{};  // in design table order
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    int zoom_ = design::kNoZoom;
    RECT windowBeforeFullScreen_{};
    UniqueFont windowFont_;
    UniqueFont cellFont_;
    UniqueFont underlinedCellFont_;
    std::vector<std::pair<design::Rgb, UniqueBrush>> brushes_;
    UniqueAccelerators accelerators_;
    HWND focusBeforeDeactivation_ = nullptr;
    logic::SequenceForm logic_{*this};
    logic::HandlerGuard handlers_;
};

}  // namespace trivelan::win32
