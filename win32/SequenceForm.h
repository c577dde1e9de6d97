#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "ControlFactory.h"
#include "DigitRow.h"
#include "Fonts.h"
#include "Gdi.h"
#include "ReaderNotice.h"
#include "Screen.h"
#include "design/Commands.h"
#include "design/FormEvents.h"
#include "design/WindowRules.h"
#include "logic/SequenceView.h"

namespace trivelan::win32 {

// The program's window on Windows. It builds its controls from the design table,
// carries out the view contract, forwards clicks to the form's logic and the
// classroom keys to the presentation rules, and draws what they say; it
// decides nothing.
class SequenceForm final : public logic::SequenceView {
  public:
    // Creates the window and every control, then raises the load event with
    // the row the user gave, if any. The window stays hidden until the caller
    // shows it.
    SequenceForm(HINSTANCE instance, logic::ErrorReporter reporter,
                 const design::RowReading& start = {});
    ~SequenceForm() override;
    SequenceForm(const SequenceForm&) = delete;
    SequenceForm& operator=(const SequenceForm&) = delete;

    [[nodiscard]] HWND Handle() const { return window_; }
    // The control a row of the design table made.
    [[nodiscard]] HWND Control(const design::ControlDesign& control) const;
    // Keyboard messages the message loop offers first: the window's shortcuts
    // and the dialog keys (Tab, Space and Enter on a button). True when used.
    bool TranslateKeyboard(MSG& message);

    [[nodiscard]] int Zoom() const { return rules_.Zoom(); }
    [[nodiscard]] bool IsFullScreen() const { return rules_.IsFullScreen(); }
    // A classroom command, as its key gives it.
    void Apply(design::Command command);
    // The cell the row's keyboard mark stands on: the row's one Tab stop.
    [[nodiscard]] int MarkedCell() const { return row_.MarkedCell(); }
    // Where the window learns whether a high-contrast theme is on: the
    // system's setting, or a test's. The window reads it again at once.
    void SetHighContrastSetting(std::function<bool()> setting);

    // The view contract.
    [[nodiscard]] std::u16string ReportText() const override;
    void SetReportText(const std::u16string& text) override;

  private:
    [[nodiscard]] std::u16string CellCaption(std::size_t cell) const override;
    void SetCellCaption(std::size_t cell, const std::u16string& caption) override;
    void SetCellUnderline(std::size_t cell, bool underline) override;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnCommand(int id, int code);
    LRESULT OnControlColour(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item) const;
    void OnEraseBackground(HDC dc) const;
    // The colours of the control with this id, in the theme now: nullopt for a
    // control that keeps the toolkit's own.
    [[nodiscard]] std::optional<design::Paint> PaintOf(int id) const;
    // Reads the high-contrast setting again and paints the window anew.
    void FollowSystemColours();
    // Tells a screen reader what a click changed.
    void Tell(const std::optional<design::ReaderNews>& news) const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);

    [[nodiscard]] design::Screen Screen() const;
    // Sizes and places the window, then every control with its font.
    void LayOut(const design::Placement& placement);
    void PlaceWindow(const design::Placement& placement);

    HWND window_ = nullptr;
    ControlHandles controls_{};
    DigitRow row_;
    ReaderNotice notice_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    design::WindowRules rules_{design::Window::Desktop};
    Fonts fonts_;
    Brushes brushes_;
    UniqueAccelerators accelerators_;
    HWND focusBeforeDeactivation_ = nullptr;
    std::function<bool()> highContrastSetting_ = HighContrastOn;
    bool highContrast_ = false;
    design::FormEvents events_;
};

}  // namespace trivelan::win32
