#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "Gdi.h"
#include "design/FormDesign.h"
#include "design/Twips.h"
#include "logic/HandlerGuard.h"
#include "logic/SequenceForm.h"
#include "logic/SequenceView.h"

namespace trivelan::win32 {

// The program's window on Windows. It builds its controls from the design table,
// carries out the view contract and forwards clicks to the form's logic; it
// decides nothing.
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

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnCommand(int id, int code);
    LRESULT OnControlColour(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnEraseBackground(HDC dc) const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnActivate(bool active);
    void OnNextControl(WPARAM wParam, LPARAM lParam);
    [[nodiscard]] LRESULT OnGetDefaultButton() const;

    void CreateControls();
    // Places every control and sets its font for the current scale.
    void Layout();
    [[nodiscard]] design::Scale CurrentScale() const;
    [[nodiscard]] HWND CellAt(std::int16_t cell) const;
    [[nodiscard]] HBRUSH BrushFor(design::Rgb colour) const;

    HWND window_ = nullptr;
    std::array<HWND, design::AllControls().size()> controls_{};  // in design table order
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
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
