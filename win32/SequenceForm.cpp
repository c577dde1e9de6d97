// The Win32 window: the message table, the operations the presenter asks for,
// and the layout.
#include "SequenceForm.h"

#include <climits>
#include <string>
#include <utility>

#include "ColourButton.h"
#include "HelpBox.h"
#include "Keyboard.h"
#include "Screen.h"
#include "Text.h"
#include "design/DigitRow.h"

namespace trivelan::win32 {
namespace {

using design::ControlDesign;

constexpr auto kControls = design::AllControls();
}  // namespace

SequenceForm::SequenceForm(HINSTANCE instance, logic::ErrorReporter reporter,
                           const design::RowReading& start)
    : accelerators_(CreateAccelerators()),
      presenter_(*this, design::Window::Desktop, std::move(reporter)) {
    CreateFormWindow(instance, WindowProc, this);
    if (window_ != nullptr) presenter_.Load(start);
}

SequenceForm::~SequenceForm() {
    if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT CALLBACK SequenceForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<SequenceForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SequenceForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT SequenceForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            OnEraseBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_GETMINMAXINFO:
            // A large zoom may pass the screen's size; the window keeps the design's proportions.
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
            return 0;
        case WM_SYSCOLORCHANGE:  // a theme switched while the program runs
        case WM_SETTINGCHANGE:
            FollowSystemColours();
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            // A plain window forgets its focused control when it loses activation.
            if (LOWORD(wParam) == WA_INACTIVE) focusBeforeDeactivation_ = GetFocus();
            break;  // the default sets the focus to the window, which passes it on below
        case WM_SETFOCUS:
            SetFocus(focusBeforeDeactivation_);
            return 0;
        case WM_NEXTDLGCTL:  // sent by a multi-line edit box on Tab
            MoveFocus(window_, wParam, lParam);
            return 0;
        case DM_GETDEFID:  // Enter presses the focused button
            return DefaultButton(window_);
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
            window_ = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void SequenceForm::OnCreate() {
    dpi_ = DpiOf(window_);
    controls_ = CreateControls(window_);
    notice_.Create(window_);
    DigitRow::Cells cells{};
    for (std::size_t k = 0; k < cells.size(); ++k) {
        cells.at(k) = Control(design::DigitCell(static_cast<int>(k)));
    }
    row_.Attach(cells, presenter_);
    highContrast_ = highContrastSetting_();
}

void SequenceForm::OnCommand(int id, int code) {
    if (const auto command = CommandOf(id)) {
        presenter_.Apply(*command);
        return;
    }
    const ControlDesign* control = DesignOf(id);
    // The cells click through the row; the buttons through their notification.
    if (control != nullptr && control->kind == design::ControlKind::PushButton &&
        code == BN_CLICKED) {
        presenter_.ButtonClicked(control->index);
    }
}

void SequenceForm::MarkCell(int cell) { row_.Mark(cell); }

// Where the window has no focus now (hidden, or another window active), the
// control it gives the focus to when it gets it.
void SequenceForm::Focus(std::size_t position) {
    focusBeforeDeactivation_ = controls_.at(position);
    if (GetFocus() != nullptr && GetAncestor(GetFocus(), GA_ROOT) == window_) {
        SetFocus(controls_.at(position));
    }
}

void SequenceForm::Beep() { MessageBeep(MB_OK); }

void SequenceForm::SelectReport() { SendMessageW(Control(design::kReport), EM_SETSEL, 0, -1); }

void SequenceForm::ShowHelp(const design::HelpBox& box) {
    win32::ShowHelp(window_, box, ScreenNow());
    presenter_.HelpClosed();
}

void SequenceForm::Announce(const design::ReaderNews& news) { notice_.Announce(news); }

void SequenceForm::ReportWritten() {
    HWND report = Control(design::kReport);
    SendMessageW(report, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(report, EM_SETSEL, 0, 0);
    SendMessageW(report, EM_SCROLLCARET, 0, 0);
}

design::Screen SequenceForm::ScreenNow() const { return ScreenOf(window_, dpi_, kWindowStyle); }

design::Point SequenceForm::Position() const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    return {outer.left, outer.top};
}

std::optional<std::size_t> SequenceForm::Focused() const {
    HWND focus = GetFocus();
    if (focus == nullptr || GetParent(focus) != window_) return std::nullopt;
    const ControlDesign* control = DesignOf(GetDlgCtrlID(focus));
    if (control == nullptr) return std::nullopt;
    return design::PositionOf(*control);
}

void SequenceForm::Place(const design::Placement& placement) {
    PlaceWindow(window_, placement, kWindowStyle);
    Fonts fonts = Fonts::At(placement.scale);
    for (std::size_t position = 0; position < kControls.size(); ++position) {
        const ControlDesign& control = kControls.at(position);
        HWND handle = controls_.at(position);
        const design::PixelRect r =
            design::ToPixels(placement.scale, design::WindowLeft(control),
                             design::WindowTop(control), control.width, control.height);
        MoveWindow(handle, placement.origin.x + r.left, placement.origin.y + r.top, r.width,
                   r.height, TRUE);
        HFONT font = fonts.window.get();
        if (design::HasOwnFont(control)) {
            const bool underlined = reinterpret_cast<HFONT>(SendMessageW(
                                        handle, WM_GETFONT, 0, 0)) == fonts_.underlinedCell.get();
            font = underlined ? fonts.underlinedCell.get() : fonts.cell.get();
        }
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    fonts_ = std::move(fonts);  // the controls use the new fonts now; the old ones may go
    InvalidateRect(window_, nullptr, TRUE);
}

std::optional<design::Paint> SequenceForm::PaintOf(int id) const {
    const ControlDesign* design = DesignOf(id);
    if (design == nullptr) return std::nullopt;
    return design::PaintOf(*design, highContrast_);
}

LRESULT SequenceForm::OnControlColour(HDC dc, HWND control) {
    const auto paint = PaintOf(GetDlgCtrlID(control));
    if (!paint) {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    SetBkColor(dc, ToColorRef(paint->background));
    SetTextColor(dc, ToColorRef(paint->text));
    return reinterpret_cast<LRESULT>(brushes_.For(paint->background));
}

void SequenceForm::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    const ControlDesign* design = DesignOf(static_cast<int>(item.CtlID));
    const auto paint = PaintOf(static_cast<int>(item.CtlID));
    if (!paint) return;
    HBRUSH face = brushes_.For(paint->background);
    if (design::IsDigitCell(*design)) {
        row_.Draw(static_cast<std::size_t>(design->index), item, face, ToColorRef(paint->text),
                  brushes_.For(design::kMarkColour));
    } else if (design->kind == design::ControlKind::PushButton) {
        DrawColourButton(item, face, ToColorRef(paint->text), fonts_.window.get(), design->text);
    }
}

void SequenceForm::OnEraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, brushes_.For(design::WindowPaint(highContrast_).background));
}

void SequenceForm::FollowSystemColours() {
    highContrast_ = highContrastSetting_();
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void SequenceForm::SetHighContrastSetting(std::function<bool()> setting) {
    highContrastSetting_ = std::move(setting);
    FollowSystemColours();
}

void SequenceForm::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    presenter_.ScreenChanged(design::Point{suggested.left, suggested.top});
}

bool SequenceForm::TranslateKeyboard(MSG& message) {
    if (window_ == nullptr) return false;
    if (TranslateAcceleratorW(window_, accelerators_.get(), &message) != 0) return true;
    return IsDialogMessageW(window_, &message) != 0;
}

HWND SequenceForm::Control(const ControlDesign& control) const {
    const std::size_t position = design::PositionOf(control);
    return position < controls_.size() ? controls_.at(position) : nullptr;
}

std::u16string SequenceForm::CellCaption(std::size_t cell) const { return row_.Caption(cell); }

void SequenceForm::SetCellCaption(std::size_t cell, const std::u16string& caption) {
    row_.SetCaption(cell, caption);
}

void SequenceForm::SetCellUnderline(std::size_t cell, bool underline) {
    row_.SetUnderline(cell, underline, fonts_);
}

std::u16string SequenceForm::ReportText() const {
    // An edit box keeps CR LF line ends as they are.
    return Utf16(WindowText(Control(design::kReport)));
}

void SequenceForm::SetReportText(const std::u16string& text) {
    HWND report = Control(design::kReport);
    SetWindowTextW(report, Wide(text).c_str());
}

}  // namespace trivelan::win32
