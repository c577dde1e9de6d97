#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "ControlFactory.h"
#include "DigitRow.h"
#include "Fonts.h"
#include "Gdi.h"
#include "ReaderNotice.h"
#include "Screen.h"
#include "design/Presenter.h"

namespace trivelan::win32 {

// The program's window on Windows: Win32 controls built from the design
// table, which carry out what the design's presenter asks and hand it their
// messages.
class SequenceForm final : public design::WindowView {
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

    [[nodiscard]] int Zoom() const { return presenter_.Zoom(); }
    [[nodiscard]] bool IsFullScreen() const { return presenter_.IsFullScreen(); }
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

    void Place(const design::Placement& placement) override;
    void MarkCell(int cell) override;
    void Focus(std::size_t position) override;
    void Beep() override;
    void SelectReport() override;
    void ShowHelp(const design::HelpBox& box) override;
    void Announce(const design::ReaderNews& news) override;
    void ReportWritten() override;
    [[nodiscard]] design::Screen ScreenNow() const override;
    [[nodiscard]] design::Point Position() const override;
    [[nodiscard]] std::optional<std::size_t> Focused() const override;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnCommand(int id, int code);
    LRESULT OnControlColour(HDC dc, HWND control);
    void OnDrawItem(const DRAWITEMSTRUCT& item) const;
    void OnEraseBackground(HDC dc) const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    // The colours of the control with this id, in the theme now: nullopt for a
    // control that keeps the toolkit's own.
    [[nodiscard]] std::optional<design::Paint> PaintOf(int id) const;
    // Reads the high-contrast setting again and paints the window anew.
    void FollowSystemColours();

    HWND window_ = nullptr;
    ControlHandles controls_{};
    DigitRow row_;
    ReaderNotice notice_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    Fonts fonts_;
    Brushes brushes_;
    UniqueAccelerators accelerators_;
    // The control that takes the focus when the window is activated again.
    HWND focusBeforeDeactivation_ = nullptr;
    std::function<bool()> highContrastSetting_ = HighContrastOn;
    bool highContrast_ = false;
    design::Presenter presenter_;
};

}  // namespace trivelan::win32
