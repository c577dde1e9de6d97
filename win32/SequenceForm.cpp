#include "SequenceForm.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <optional>
#include <string>

#include "Text.h"
#include "design/Help.h"
#include "design/RowKeys.h"
#include "runtime/RuntimeError.h"

namespace trivelan::win32 {
namespace {

using design::ControlDesign;
using design::IsDigitCell;
using design::Kind;

constexpr auto kControls = design::AllControls();
constexpr wchar_t kClassName[] = L"TrivelanSequenceForm";
// Clear of IDOK and IDCANCEL, which the dialog keys send to the window.
constexpr int kFirstControlId = 100;
// The window's keyboard shortcuts, sent as commands by its accelerator table.
enum Command : WORD {
    kSelectAllCommand = 200,
    kEscapeCommand,
    kZoomInCommand,
    kZoomOutCommand,
    kNoZoomCommand,
    kFullScreenCommand,
    kHelpCommand,
};
// Fixed size: no sizing border, no maximise box.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr double kPixelsPerPoint = USER_DEFAULT_SCREEN_DPI / 72.0;

COLORREF ToColorRef(design::Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

// The design row behind a control id, or nullptr for an id of no control.
const ControlDesign* DesignOf(int id) {
    const int position = id - kFirstControlId;
    if (position < 0 || position >= static_cast<int>(kControls.size())) return nullptr;
    return &kControls.at(static_cast<std::size_t>(position));
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass ClassOf(const ControlDesign& control) {
    switch (control.kind) {
        case Kind::Label:
            // The digit cells report clicks and are drawn by the window, which
            // adds the keyboard's mark.
            if (IsDigitCell(control)) return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
            return {L"STATIC", static_cast<DWORD>(control.centred ? SS_CENTER : SS_LEFT), 0};
        case Kind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case Kind::PushButton:
            // Drawn by the window: a standard push button cannot take a face colour.
            return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
        case Kind::TextBox:
            return {L"EDIT",
                    ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

UINT DpiOf(HWND window) {
    // Windows 10 and later give each monitor its own DPI; older ones one for all.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    const FARPROC proc = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (proc != nullptr) {
        return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(proc))(
            window);
    }
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

UniqueFont DesignFont(double points, bool underline) {
    const auto pixels = static_cast<int>(std::lround(points * kPixelsPerPoint));
    return UniqueFont(CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE,
                                  FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                                  Wide(design::kFontFamily).c_str()));
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kClassName, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    // Shared icons: the system keeps them for the life of the process.
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON),
                                                      GetSystemMetrics(SM_CYICON), LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    RegisterClassExW(&windowClass);
}

std::optional<design::RowKey> RowKeyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return design::RowKey::Left;
        case VK_RIGHT:
            return design::RowKey::Right;
        case VK_HOME:
            return design::RowKey::Home;
        case VK_END:
            return design::RowKey::End;
        default:
            return std::nullopt;
    }
}

UniqueAccelerators CreateAccelerators() {
    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'A', kSelectAllCommand},
        {FVIRTKEY, VK_ESCAPE, kEscapeCommand},
        // Ctrl+Plus is Ctrl+= with or without Shift, or the keypad's plus.
        {FVIRTKEY | FCONTROL, VK_OEM_PLUS, kZoomInCommand},
        {FVIRTKEY | FCONTROL | FSHIFT, VK_OEM_PLUS, kZoomInCommand},
        {FVIRTKEY | FCONTROL, VK_ADD, kZoomInCommand},
        {FVIRTKEY | FCONTROL, VK_OEM_MINUS, kZoomOutCommand},
        {FVIRTKEY | FCONTROL, VK_SUBTRACT, kZoomOutCommand},
        {FVIRTKEY | FCONTROL, '0', kNoZoomCommand},
        {FVIRTKEY | FCONTROL, VK_NUMPAD0, kNoZoomCommand},
        {FVIRTKEY, VK_F11, kFullScreenCommand},
        {FVIRTKEY, VK_F1, kHelpCommand},
    };
    return UniqueAccelerators(CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys))));
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

SequenceForm::SequenceForm(HINSTANCE instance, logic::ErrorReporter reporter)
    : accelerators_(CreateAccelerators()), handlers_(std::move(reporter)) {
    for (const ControlDesign& control : kControls) {
        if (control.background && BrushFor(*control.background) == nullptr) {
            brushes_.emplace_back(*control.background,
                                  UniqueBrush(CreateSolidBrush(ToColorRef(*control.background))));
        }
    }
    RegisterWindowClass(instance, WindowProc);
    CreateWindowExW(0, kClassName, Wide(design::kCaption).c_str(), kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    if (window_ != nullptr) handlers_.Run([this] { logic_.OnLoad(); });
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
            // Zoomed past the screen, the window keeps the design's proportions.
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            break;  // the default sets the focus to the window, which passes it on below
        case WM_SETFOCUS:
            SetFocus(focusBeforeDeactivation_ != nullptr ? focusBeforeDeactivation_
                                                         : Control(design::kReport));
            return 0;
        case WM_NEXTDLGCTL:
            OnNextControl(wParam, lParam);
            return 0;
        case DM_GETDEFID:
            return OnGetDefaultButton();
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
    CreateControls();
    SetZoom(design::kNoZoom);
}

void SequenceForm::CreateControls() {
    // Created in tab-index order: the dialog keys walk the controls in the
    // order they were made.
    std::array<std::size_t, kControls.size()> order{};
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return kControls.at(a).tabIndex < kControls.at(b).tabIndex;
    });
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    for (const std::size_t position : order) {
        const ControlDesign& control = kControls.at(position);
        const ControlClass type = ClassOf(control);
        const DWORD visible = control.visible ? WS_VISIBLE : 0;
        HWND created = CreateWindowExW(type.extendedStyle, type.name, Wide(control.text).c_str(),
                                       WS_CHILD | visible | type.style, 0, 0, 0, 0, window_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(
                                           kFirstControlId + static_cast<int>(position))),
                                       instance, nullptr);
        if (control.kind == Kind::TextBox)
            SendMessageW(created, EM_SETLIMITTEXT, 0, 0);  // no limit
        if (IsDigitCell(control)) {
            SetWindowLongPtrW(
                created, GWLP_USERDATA,
                SetWindowLongPtrW(created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CellProc)));
        }
        controls_.at(position) = created;
    }
    MarkCell(0);
}

void SequenceForm::Layout(design::Scale scale, POINT origin) {
    UniqueFont windowFont = DesignFont(scale.Points(design::kWindowFontPoints), false);
    UniqueFont cellFont = DesignFont(scale.Points(design::kCellFontPoints), false);
    UniqueFont underlinedCellFont = DesignFont(scale.Points(design::kCellFontPoints), true);

    for (std::size_t position = 0; position < kControls.size(); ++position) {
        const ControlDesign& control = kControls.at(position);
        HWND handle = controls_.at(position);
        const design::PixelRect r =
            design::ToPixels(scale, design::WindowLeft(control), design::WindowTop(control),
                             control.width, control.height);
        MoveWindow(handle, origin.x + r.left, origin.y + r.top, r.width, r.height, TRUE);
        HFONT font = windowFont.get();
        if (IsDigitCell(control)) {
            const bool underlined = reinterpret_cast<HFONT>(SendMessageW(
                                        handle, WM_GETFONT, 0, 0)) == underlinedCellFont_.get();
            font = underlined ? underlinedCellFont.get() : cellFont.get();
        }
        SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    // The controls use the new fonts now; the old ones may go.
    windowFont_ = std::move(windowFont);
    cellFont_ = std::move(cellFont);
    underlinedCellFont_ = std::move(underlinedCellFont);
    InvalidateRect(window_, nullptr, TRUE);
}

void SequenceForm::ResizeClient(design::Scale scale) {
    const design::PixelRect client =
        design::ToPixels(scale, 0, 0, design::kClientWidth, design::kClientHeight);
    RECT outer{};
    RECT inner{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &inner);
    SetWindowPos(window_, nullptr, 0, 0, client.width + (outer.right - outer.left) - inner.right,
                 client.height + (outer.bottom - outer.top) - inner.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

design::Scale SequenceForm::ZoomScale() const {
    return {static_cast<double>(dpi_) / USER_DEFAULT_SCREEN_DPI * design::ZoomFactor(zoom_)};
}

void SequenceForm::SetZoom(int percent) {
    zoom_ = percent;
    if (IsFullScreen()) return;  // the screen decides the size until full screen ends
    Layout(ZoomScale(), {0, 0});
    ResizeClient(ZoomScale());
}

bool SequenceForm::IsFullScreen() const {
    return (GetWindowLongPtrW(window_, GWL_STYLE) & WS_POPUP) != 0;
}

void SequenceForm::SetFullScreen(bool fullScreen) {
    if (fullScreen == IsFullScreen()) return;
    if (!fullScreen) {
        SetWindowLongPtrW(window_, GWL_STYLE, kWindowStyle | WS_VISIBLE);
        const RECT& r = windowBeforeFullScreen_;
        SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_FRAMECHANGED);
        SetZoom(zoom_);
        return;
    }
    GetWindowRect(window_, &windowBeforeFullScreen_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcMonitor;
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    // A borderless window the size of the monitor needs no window manager's help.
    SetWindowLongPtrW(window_, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(window_, HWND_TOP, screen.left, screen.top, width, height, SWP_FRAMECHANGED);
    const design::ScreenFit fit = design::FitToScreen(width, height);
    Layout(fit.scale, {fit.left, fit.top});
}

void SequenceForm::ShowHelp() {
    MessageBoxW(window_, Wide(design::HelpText()).c_str(), Wide(design::kHelpTitle).c_str(),
                MB_OK | MB_ICONINFORMATION);
}

void SequenceForm::OnCommand(int id, int code) {
    switch (id) {
        case kSelectAllCommand:
            // An edit box has no Ctrl+A of its own outside a dialog.
            if (GetFocus() == Control(design::kReport)) {
                SendMessageW(Control(design::kReport), EM_SETSEL, 0, -1);
            }
            return;
        case kEscapeCommand:  // also keeps a multi-line edit box from closing the window
            SetFullScreen(false);
            return;
        case kZoomInCommand:
            SetZoom(design::ZoomIn(zoom_));
            return;
        case kZoomOutCommand:
            SetZoom(design::ZoomOut(zoom_));
            return;
        case kNoZoomCommand:
            SetZoom(design::kNoZoom);
            return;
        case kFullScreenCommand:
            SetFullScreen(!IsFullScreen());
            return;
        case kHelpCommand:
            ShowHelp();
            return;
        default:
            break;
    }
    const ControlDesign* control = DesignOf(id);
    if (control == nullptr) return;
    const auto index = static_cast<std::int16_t>(control->index);
    if (IsDigitCell(*control) && code == STN_CLICKED) {
        handlers_.Run([this, index] { logic_.OnDigitClick(index); });
        return;
    }
    if (control->kind == Kind::PushButton && code == BN_CLICKED) {
        handlers_.Run([this, index] { logic_.OnButtonClick(index); });
    }
}

LRESULT SequenceForm::OnControlColour(HDC dc, HWND control) {
    const ControlDesign* design = DesignOf(GetDlgCtrlID(control));
    if (design == nullptr || !design->background) {
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    SetBkColor(dc, ToColorRef(*design->background));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(BrushFor(*design->background));
}

void SequenceForm::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const ControlDesign* design = DesignOf(static_cast<int>(item.CtlID));
    if (design == nullptr) return;
    if (design->kind == Kind::PushButton) DrawButton(item, *design);
    if (IsDigitCell(*design)) DrawCell(item);
}

void SequenceForm::DrawButton(const DRAWITEMSTRUCT& item, const ControlDesign& button) const {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    RECT face = item.rcItem;
    if (focused) {  // the classic default button's dark outline
        FrameRect(item.hDC, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    FillRect(item.hDC, &face, BrushFor(*button.background));
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT label = face;
    if (pressed) OffsetRect(&label, 1, 1);
    const SelectedObject font(item.hDC, windowFont_.get());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    const std::wstring text = Wide(button.text);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &label,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (focused && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT mark = face;
        InflateRect(&mark, -3, -3);
        DrawFocusRect(item.hDC, &mark);
    }
}

// A cell as a label draws it (centred text at the top, on its background, in
// its font, underlined or not), and the keyboard's mark while the row has it.
void SequenceForm::DrawCell(const DRAWITEMSTRUCT& item) const {
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, BrushFor(*design::DigitCell(0).background));
    const SelectedObject font(
        item.hDC, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    const std::wstring text = WindowText(item.hwndItem);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &area,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    if (GetFocus() != item.hwndItem) return;
    // A frame in the highlight colour, thick enough to see from the back row.
    const int width = std::max(2, static_cast<int>(area.bottom - area.top) / 20);
    const UniqueBrush highlight(CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT)));
    InflateRect(&area, -1, -1);
    for (int ring = 0; ring < width; ++ring) {
        FrameRect(item.hDC, &area, highlight.get());
        InflateRect(&area, -1, -1);
    }
}

void SequenceForm::OnEraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, BrushFor(design::kWindowBackground));
}

void SequenceForm::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    if (IsFullScreen()) return;  // the fit counts the monitor's own pixels already
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetZoom(zoom_);
}

void SequenceForm::OnActivate(bool active) {
    // A plain window forgets its focused control when it loses activation.
    if (!active) focusBeforeDeactivation_ = GetFocus();
}

void SequenceForm::OnNextControl(WPARAM wParam, LPARAM lParam) {
    // Sent by a multi-line edit box on Tab: move on as a dialog would.
    HWND next = lParam != 0 ? reinterpret_cast<HWND>(wParam)
                            : GetNextDlgTabItem(window_, GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (next != nullptr) SetFocus(next);
}

LRESULT SequenceForm::OnGetDefaultButton() const {
    // Enter presses the focused button.
    HWND focus = GetFocus();
    const ControlDesign* design = DesignOf(GetDlgCtrlID(focus));
    if (focus == nullptr || design == nullptr || design->kind != Kind::PushButton) return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

LRESULT CALLBACK SequenceForm::CellProc(HWND cell, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto staticProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(cell, GWLP_USERDATA));
    auto* form = reinterpret_cast<SequenceForm*>(GetWindowLongPtrW(GetParent(cell), GWLP_USERDATA));
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
            if (form != nullptr) form->OnCellKey(cell, wParam, (lParam & (1 << 30)) != 0);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(cell, nullptr, FALSE);  // the mark shows only with the focus
            break;
        default:
            break;
    }
    return CallWindowProcW(staticProc, cell, message, wParam, lParam);
}

void SequenceForm::OnCellKey(HWND cell, WPARAM key, bool repeated) {
    if (const auto move = RowKeyOf(key)) {
        MarkCell(design::MoveInRow(MarkedCell(), *move));
    } else if ((key == VK_SPACE || key == VK_RETURN) && !repeated) {
        // The same notification a mouse click sends; a held key clicks once.
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(cell), STN_CLICKED),
                     reinterpret_cast<LPARAM>(cell));
    }
}

int SequenceForm::MarkedCell() const {
    for (int k = 0; k < design::kDigitCellCount; ++k) {
        if ((GetWindowLongPtrW(Control(design::DigitCell(k)), GWL_STYLE) & WS_TABSTOP) != 0)
            return k;
    }
    return 0;
}

// The marked cell is the row's only Tab stop, so Tab comes back to it; it takes
// the focus when the row has it.
void SequenceForm::MarkCell(int cell) {
    const bool rowHasFocus = Control(design::DigitCell(MarkedCell())) == GetFocus();
    for (int k = 0; k < design::kDigitCellCount; ++k) {
        HWND handle = Control(design::DigitCell(k));
        const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
        SetWindowLongPtrW(handle, GWL_STYLE, k == cell ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
    if (rowHasFocus) SetFocus(Control(design::DigitCell(cell)));
}

bool SequenceForm::TranslateKeyboard(MSG& message) {
    if (window_ == nullptr) return false;
    if (TranslateAcceleratorW(window_, accelerators_.get(), &message) != 0) return true;
    return IsDialogMessageW(window_, &message) != 0;
}

HWND SequenceForm::Control(const ControlDesign& control) const {
    const std::size_t position = design::PositionOf(control.name, control.index);
    return position < controls_.size() ? controls_.at(position) : nullptr;
}

HBRUSH SequenceForm::BrushFor(design::Rgb colour) const {
    for (const auto& [rgb, brush] : brushes_) {
        if (rgb.red == colour.red && rgb.green == colour.green && rgb.blue == colour.blue) {
            return brush.get();
        }
    }
    return nullptr;
}

HWND SequenceForm::CellAt(std::int16_t cell) const {
    if (cell < 0 || cell >= design::kDigitCellCount) {
        throw runtime::RuntimeError(runtime::ErrorNumber::NoSuchControlArrayElement);
    }
    return Control(design::DigitCell(cell));
}

std::u16string SequenceForm::Caption(std::int16_t cell) const {
    return Utf16(WindowText(CellAt(cell)));
}

void SequenceForm::SetCaption(std::int16_t cell, const std::u16string& caption) {
    SetWindowTextW(CellAt(cell), Wide(caption).c_str());
}

void SequenceForm::SetUnderline(std::int16_t cell, bool underline) {
    HWND label = CellAt(cell);
    HFONT font = underline ? underlinedCellFont_.get() : cellFont_.get();
    if (reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)) == font) return;
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::u16string SequenceForm::ReportText() const {
    // An edit box keeps CR LF line ends as they are.
    return Utf16(WindowText(Control(design::kReport)));
}

void SequenceForm::SetReportText(const std::u16string& text) {
    HWND report = Control(design::kReport);
    SetWindowTextW(report, Wide(text).c_str());
    SendMessageW(report, EM_EMPTYUNDOBUFFER, 0, 0);  // the program's writes are not the user's
}

}  // namespace trivelan::win32
